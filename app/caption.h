// The caption step: the main window's caption decoded from a caption record.
#pragma once

#include "byte_image.h"

// Decodes `record` with the empty key, swap offset 3 and no verification, and sets the text as the
// main window's caption (an empty result leaves the caption empty).
void SetCaptionFromRecord(const ByteImage& record);
