// The two radio buttons inside 分组框1: one group whose clicks reach the main window, and whose
// state a change of focus alone never alters.
#include "radio_group.h"

#include "controls.h"
#include "handlers.h"

namespace {

WNDPROC gGroupBoxProc = nullptr;
WNDPROC gRadioProc = nullptr;
bool gFocusChanging = false;

void SetChecked(ControlName name, bool checked) {
    SendMessageA(ControlWindow(name), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The group box forwards what its children tell their parent, so the main window sees the clicks and
// colours them; it also paints its own inside, which nobody else does under WS_CLIPCHILDREN.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return SendMessageA(ControlWindow(ControlName::MainWindow), message, wParam, lParam);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return CallWindowProcA(gGroupBoxProc, window, message, wParam, lParam);
    }
}

// An automatic radio button checks itself when it gets the focus from the keyboard. The focus moves
// here (start-up, Tab) must not change the mode, so both states are put back afterwards.
LRESULT CALLBACK RadioProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS)
        return CallWindowProcA(gRadioProc, window, message, wParam, lParam);
    bool wasNested = gFocusChanging;
    bool checked1 = IsControlChecked(ControlName::单选框1);
    bool checked2 = IsControlChecked(ControlName::单选框2);
    gFocusChanging = true;
    LRESULT result = CallWindowProcA(gRadioProc, window, message, wParam, lParam);
    SetChecked(ControlName::单选框1, checked1);
    SetChecked(ControlName::单选框2, checked2);
    gFocusChanging = wasNested;
    return result;
}

}  // namespace

void AttachRadioGroup(HWND groupBox, HWND radio1, HWND radio2) {
    gGroupBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(groupBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc)));
    gRadioProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(radio1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RadioProc)));
    SetWindowLongPtrA(radio2, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RadioProc));
}

bool IsRadioFocusChanging() { return gFocusChanging; }

void SelectRadioButtonByKey(ControlName target) {
    ControlName other = target == ControlName::单选框1 ? ControlName::单选框2 : ControlName::单选框1;
    SetChecked(target, true);
    SetChecked(other, false);
    SetFocus(ControlWindow(target));
    if (target == ControlName::单选框1)
        On单选框1Clicked();
    else
        On单选框2Clicked();
}
