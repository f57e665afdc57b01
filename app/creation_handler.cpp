// The handler of the window-created event.
#include "controls.h"
#include "handlers.h"
#include "mode_selection.h"

void OnWindowCreated() {
    ApplyVisibilityRule(!IsControlChecked(ControlName::单选框2));
}
