// The handler of the window-created event.
#include "caption.h"
#include "caption_records.h"
#include "controls.h"
#include "handlers.h"
#include "mode_selection.h"

void OnWindowCreated() {
    SetCaptionFromRecord(kFirstCaptionRecord);
    ApplyVisibilityRule(!IsControlChecked(ControlName::单选框2));
}
