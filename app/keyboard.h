// The keys the main window handles before they are dispatched: Esc, Tab, the arrows on radio buttons, F1.
#pragma once

#include <windows.h>

// Handles a key message meant for the main window or one of its controls; true when it is consumed.
bool HandleWindowKey(const MSG& message);

// Gives the focus to the first control in Tab order that is visible and enabled.
void FocusFirstControl();
