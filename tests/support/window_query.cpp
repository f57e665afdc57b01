// Questions about the windows of any process, asked the way a conformance test asks them.
#include "window_query.h"

std::string WindowText(HWND window) {
    char text[1024] = "";
    // WM_GETTEXT, unlike GetWindowText, also reads the text of another process's controls.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    for (HWND child : Children(parent)) {
        if (_stricmp(ClassName(child).c_str(), className.c_str()) == 0 && WindowText(child) == text) return child;
    }
    return nullptr;
}

HWND FindChildOfClass(HWND parent, const std::string& className) {
    for (HWND child : Children(parent)) {
        if (_stricmp(ClassName(child).c_str(), className.c_str()) == 0) return child;
    }
    return nullptr;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

void DismissBox(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    if (ok)
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    else
        PostMessageA(box, WM_CLOSE, 0, 0);
}

namespace {

struct CollectWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectProc(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<CollectWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    CollectWindows search = {processId, {}};
    EnumWindows(CollectProc, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND WaitForWindowOf(DWORD processId, const std::string& title, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindowsOf(processId)) {
                if (WindowText(window) == title) found = window;
            }
            return found != nullptr;
        },
        milliseconds);
    return found;
}
