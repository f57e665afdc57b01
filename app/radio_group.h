// The two radio buttons inside 分组框1: one group whose clicks reach the main window, and whose
// state a change of focus alone never alters.
#pragma once

#include <windows.h>

#include "layout.h"

// Subclasses the group box (it passes the buttons' notifications to the main window) and both buttons.
void AttachRadioGroup(HWND groupBox, HWND radio1, HWND radio2);

// True while a radio button is receiving or losing the focus; its BN_CLICKED is then not a click.
bool IsRadioFocusChanging();

// Arrow-key selection: checks `target`, clears the other, focuses it and raises its click event.
void SelectRadioButtonByKey(ControlName target);
