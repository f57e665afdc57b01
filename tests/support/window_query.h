// Questions about the windows of any process, asked the way a conformance test asks them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// Direct children of `parent` in z-order.
std::vector<HWND> Children(HWND parent);
// The direct child of `parent` whose class (case-insensitive) and text match; NULL when none.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
// The first direct child of `parent` of this class (case-insensitive), whatever its text; NULL when none.
HWND FindChildOfClass(HWND parent, const std::string& className);
// A window's rectangle relative to its parent's client area.
RECT RectInParent(HWND window);
// The text of a message box: its static control's text.
std::string MessageBoxText(HWND box);
// Dismisses a message box or dialog with its OK (or only) button.
void DismissBox(HWND box);
// Polls `condition` until it holds or `milliseconds` pass; returns its last value.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 5000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

// The visible top-level windows of a process.
std::vector<HWND> VisibleWindowsOf(DWORD processId);
// A visible top-level window of the process with this title, waiting up to `milliseconds`; NULL if none.
HWND WaitForWindowOf(DWORD processId, const std::string& title, DWORD milliseconds = 10000);
