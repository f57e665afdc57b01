// The keys the main window handles before they are dispatched: Esc, Tab, the arrows on radio buttons, F1.
#include "keyboard.h"

#include "controls.h"
#include "handlers.h"
#include "radio_group.h"

namespace {

bool CanTakeFocus(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

// Moves the focus from the focused control to the next (or previous) one in Tab order that can take it.
void MoveFocus(bool backwards) {
    ControlName focused = ControlNameOf(GetFocus());
    size_t at = kTabOrderCount;
    for (size_t i = 0; i < kTabOrderCount; ++i) {
        if (kTabOrder[i] == focused) at = i;
    }
    for (size_t step = 1; step <= kTabOrderCount; ++step) {
        size_t start = at == kTabOrderCount ? (backwards ? 0 : kTabOrderCount - 1) : at;
        size_t next = backwards ? (start + kTabOrderCount - step) % kTabOrderCount : (start + step) % kTabOrderCount;
        HWND window = ControlWindow(kTabOrder[next]);
        if (CanTakeFocus(window)) {
            SetFocus(window);
            return;
        }
    }
}

bool IsRadioButton(ControlName name) { return name == ControlName::单选框1 || name == ControlName::单选框2; }

}  // namespace

void FocusFirstControl() {
    for (size_t i = 0; i < kTabOrderCount; ++i) {
        HWND window = ControlWindow(kTabOrder[i]);
        if (CanTakeFocus(window)) {
            SetFocus(window);
            return;
        }
    }
}

bool HandleWindowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    HWND main = ControlWindow(ControlName::MainWindow);
    if (!main || (message.hwnd != main && !IsChild(main, message.hwnd))) return false;

    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    bool alt = GetKeyState(VK_MENU) < 0 || message.message == WM_SYSKEYDOWN;
    bool plain = !shift && !control && !alt;
    ControlName focused = ControlNameOf(message.hwnd);

    switch (message.wParam) {
    case VK_ESCAPE:
        if (!plain) return false;
        SendMessageA(main, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB:
        if (control || alt) return false;
        MoveFocus(shift);
        return true;
    case VK_F1:
        return plain;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (!plain || !IsRadioButton(focused)) return false;
        // With two radio buttons every arrow selects the other one.
        SelectRadioButtonByKey(focused == ControlName::单选框1 ? ControlName::单选框2 : ControlName::单选框1);
        return true;
    default:
        return false;
    }
}
