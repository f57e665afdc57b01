// The two scrambled caption records.
#pragma once

#include "byte_image.h"

// Decoded when the main window has been created.
extern const ByteImage kFirstCaptionRecord;
// Decoded at the end of every use of the path chooser.
extern const ByteImage kSecondCaptionRecord;
