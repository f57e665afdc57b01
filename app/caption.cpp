// The caption step: the main window's caption decoded from a caption record.
#include "caption.h"

#include "caption_decoder.h"
#include "controls.h"

void SetCaptionFromRecord(const ByteImage& record) {
    const ByteImage kEmptyKey = {nullptr, 0};
    SetControlText(ControlName::MainWindow, CaptionText(DecodeCaption(record, kEmptyKey, 3, 0)));
}
