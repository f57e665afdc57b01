// The control operations through which every handler reads and changes the main window.
#include "controls.h"

#include <map>

namespace {
std::map<ControlName, HWND>& Windows() {
    static std::map<ControlName, HWND> windows;
    return windows;
}
}  // namespace

HWND ControlWindow(ControlName name) {
    auto found = Windows().find(name);
    return found == Windows().end() ? nullptr : found->second;
}

void RegisterControlWindow(ControlName name, HWND window) { Windows()[name] = window; }

ControlName ControlNameOf(HWND window) {
    for (const auto& [name, registered] : Windows()) {
        if (registered == window) return name;
    }
    return ControlName::MainWindow;
}

void SetControlVisible(ControlName name, bool visible) {
    ShowWindow(ControlWindow(name), visible ? SW_SHOW : SW_HIDE);
}

void SetControlDisabled(ControlName name, bool disabled) { EnableWindow(ControlWindow(name), !disabled); }

bool IsControlChecked(ControlName name) {
    return SendMessageA(ControlWindow(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string GetControlText(ControlName name) {
    HWND window = ControlWindow(name);
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

void SetControlText(ControlName name, const std::string& text) { SetWindowTextA(ControlWindow(name), text.c_str()); }
