// The main window: its class, its twelve controls, its window procedure and its message loop.
#include "main_window.h"

#include "controls.h"
#include "fatal_error.h"
#include "handlers.h"
#include "keyboard.h"
#include "radio_group.h"
#include "texts.h"

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr COLORREF kEditTextColour = RGB(96, 96, 96);

HWND gLastFocus = nullptr;
// Set once the window is complete: a half-built window that is torn down must not end the message loop
// before the fatal error box has been seen.
bool gWindowComplete = false;

void PaintBackground(HDC dc, const RECT& area) { FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE)); }

LRESULT ColourButton(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT ColourEdit(HDC dc) {
    SetTextColor(dc, kEditTextColour);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void OnCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;
    switch (static_cast<ControlName>(LOWORD(wParam))) {
    case ControlName::单选框1:
        if (!IsRadioFocusChanging()) On单选框1Clicked();
        break;
    case ControlName::单选框2:
        if (!IsRadioFocusChanging()) On单选框2Clicked();
        break;
    case ControlName::按钮1: On按钮1Clicked(); break;
    case ControlName::按钮_选择文件: On按钮_选择文件Clicked(); break;
    default: break;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintBackground(dc, paint.rcPaint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        // Themed controls draw their parent's background through this message.
        RECT client;
        GetClientRect(window, &client);
        PaintBackground(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return ColourButton(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLOREDIT: return ColourEdit(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) gLastFocus = GetFocus();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SETFOCUS:
        if (gLastFocus && IsWindow(gLastFocus) && IsChild(window, gLastFocus))
            SetFocus(gLastFocus);
        else
            FocusFirstControl();
        return 0;
    case WM_DESTROY:
        if (gWindowComplete) PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The label draws only its text; with WS_EX_TRANSPARENT the parent paints under it first.
LRESULT CALLBACK TransparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, text, -1, &client, DT_LEFT | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP);
        SelectObject(dc, oldFont);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    windowClass.style = 0;
    windowClass.lpfnWndProc = TransparentLabelProc;
    windowClass.lpszClassName = kTransparentLabelClass;
    return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

struct ControlClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
    case ControlKind::TransparentLabel: return {kTransparentLabelClass, kChild, WS_EX_TRANSPARENT};
    case ControlKind::EditBox: return {"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
        return {"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::RadioButton:
        return {"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::GroupBox: return {"BUTTON", kChild | BS_GROUPBOX | BS_LEFT, 0};
    case ControlKind::CheckBox:
        return {"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0};
    }
    return {"", 0, 0};
}

HWND CreateMainWindowFrame(HINSTANCE instance, CreateWindowFunction createWindow) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    HWND window = createWindow(0, kMainWindowClass, texts::kStoredCaption, kWindowStyle, left, top, kWindowWidth,
                               kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    RECT frame;
    if (GetWindowRect(window, &frame) &&
        (frame.right - frame.left != kWindowWidth || frame.bottom - frame.top != kWindowHeight))
        MoveWindow(window, frame.left, frame.top, kWindowWidth, kWindowHeight, FALSE);

    HANDLE bigIcon = LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR);
    HANDLE smallIcon = LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return window;
}

bool CreateControls(HWND main, HINSTANCE instance, CreateWindowFunction createWindow) {
    HWND previous = HWND_TOP;
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlLayout& control = kControlLayout[i];
        ControlClass kind = ClassOf(control.kind);
        HWND window = createWindow(kind.exStyle, kind.className, control.text, kind.style, control.left, control.top,
                                   control.width, control.height, main,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.name)), instance, nullptr);
        if (!window) return false;
        RegisterControlWindow(control.name, window);
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton)
            SendMessageA(window, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (control.kind == ControlKind::EditBox) SendMessageA(window, EM_LIMITTEXT, 0, 0);
    }

    HWND groupBox = ControlWindow(ControlName::分组框1);
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlLayout& control = kControlLayout[i];
        HWND window = ControlWindow(control.name);
        if (control.inGroupBox) SetParent(window, groupBox);
    }
    // Sibling order as in the layout, on each parent.
    HWND previousInGroup = HWND_TOP;
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlLayout& control = kControlLayout[i];
        HWND window = ControlWindow(control.name);
        HWND& after = control.inGroupBox ? previousInGroup : previous;
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = window;
    }
    AttachRadioGroup(groupBox, ControlWindow(ControlName::单选框1), ControlWindow(ControlName::单选框2));

    for (size_t i = 0; i < kControlCount; ++i) ShowWindow(ControlWindow(kControlLayout[i].name), SW_SHOWNA);
    return true;
}

}  // namespace

HWND BuildMainWindow(HINSTANCE instance, CreateWindowFunction createWindow) {
    if (!RegisterClasses(instance)) return nullptr;
    HWND main = CreateMainWindowFrame(instance, createWindow);
    if (!main) return nullptr;
    RegisterControlWindow(ControlName::MainWindow, main);
    if (!CreateControls(main, instance, createWindow)) {
        DestroyWindow(main);
        RegisterControlWindow(ControlName::MainWindow, nullptr);
        return nullptr;
    }
    gWindowComplete = true;
    OnWindowCreated();
    ShowWindow(main, SW_SHOW);
    return main;
}

int RunMainWindow(HINSTANCE instance, CreateWindowFunction createWindow) {
    if (!BuildMainWindow(instance, createWindow)) ShowFatalErrorAndExit(texts::kWindowFailed);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
