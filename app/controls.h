// The control operations through which every handler reads and changes the main window.
#pragma once

#include <windows.h>

#include <string>

#include "layout.h"

// The window of a control (or of the main window); NULL before the window is built.
HWND ControlWindow(ControlName name);
void RegisterControlWindow(ControlName name, HWND window);

// The name of the control whose window this is; MainWindow for anything else.
ControlName ControlNameOf(HWND window);

// true: ShowWindow(SW_SHOW); false: ShowWindow(SW_HIDE).
void SetControlVisible(ControlName name, bool visible);
// true disables, false enables.
void SetControlDisabled(ControlName name, bool disabled);
// True exactly when the button reports BST_CHECKED.
bool IsControlChecked(ControlName name);
// The control's current text; empty when it holds none.
std::string GetControlText(ControlName name);
// On the main window this sets the caption.
void SetControlText(ControlName name, const std::string& text);
