// The main window driven from outside: layout, centring, painting, modes, keys, focus and start-up.
#include <gtest/gtest.h>

#include <windows.h>

#include "app_driver.h"

namespace {

enum class Parent { Main, GroupBox };

struct ExpectedControl {
    const char* className;
    const char* text;
    Parent parent;
    int left, top, width, height;
    DWORD kindStyle;  // the BS_ or ES_ bits that make the kind
    DWORD exStyle;
    bool visibleAtStart;
    int checked;  // -1: not a button with a check state
};

constexpr DWORD kKindMask = 0xFFFF;

// In sibling order, as the layout has them.
const ExpectedControl kLayout[] = {
    {"QorvelTransparentLabel", "第二步：关闭Qorvel网游加速器.\r\n\r\n第三步：选取Qorvel网游加速器所在路径:",
     Parent::Main, 5, 102, 363, 40, 0, WS_EX_TRANSPARENT, true, -1},
    {"Edit", "", Parent::Main, 5, 150, 366, 24, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true, -1},
    {"Button", "...", Parent::Main, 371, 149, 28, 26, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, true,
     -1},
    {"Button", "执行", Parent::Main, 303, 190, 88, 32, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, true,
     -1},
    {"Button", "当前机器没有使用过Taviro", Parent::GroupBox, 37, 26, 176, 32,
     BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0, true, 1},
    {"Button", "当前机器使用过Taviro", Parent::GroupBox, 225, 26, 136, 32,
     BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0, true, 0},
    {"Button", "第一步：请选择", Parent::Main, 4, 14, 396, 72, BS_GROUPBOX | BS_LEFT, 0, true, -1},
    {"Button", "重置IPv6", Parent::Main, 25, 194, 112, 24, BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0,
     false, 0},
    {"Button", "重置IPv4", Parent::Main, 25, 162, 112, 24, BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0,
     false, 0},
    {"Button", "重置套接字", Parent::Main, 25, 98, 112, 24, BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0,
     false, 1},
    {"Button", "重置防火墙", Parent::Main, 25, 130, 112, 24, BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0,
     false, 0},
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(app_.Main(), nullptr) << "the main window did not appear"; }

    HWND GroupBox() const { return FindChild(app_.Main(), "Button", "第一步：请选择"); }
    HWND Label() const { return FindChild(app_.Main(), "QorvelTransparentLabel", kLayout[0].text); }
    HWND PathBox() const { return FindChildOfClass(app_.Main(), "Edit"); }
    HWND Button(const char* text) const { return FindChild(app_.Main(), "Button", text); }
    HWND Radio(bool used) const {
        return FindChild(GroupBox(), "Button", used ? "当前机器使用过Taviro" : "当前机器没有使用过Taviro");
    }
    HWND CheckBox(const char* text) const { return Button(text); }

    static bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void Click(HWND button) {
        SendMessageA(button, BM_CLICK, 0, 0);
        app_.Flush();
    }

    // The seven controls that depend on the mode, as visible as uninstall mode wants them.
    void ExpectMode(bool uninstall) {
        for (const char* box : {"重置防火墙", "重置套接字", "重置IPv4", "重置IPv6"})
            EXPECT_EQ(IsWindowVisible(CheckBox(box)) != FALSE, uninstall) << box;
        EXPECT_EQ(IsWindowVisible(Label()) != FALSE, !uninstall);
        EXPECT_EQ(IsWindowVisible(PathBox()) != FALSE, !uninstall);
        EXPECT_EQ(IsWindowVisible(Button("...")) != FALSE, !uninstall);
        EXPECT_TRUE(IsWindowVisible(GroupBox()));
        EXPECT_TRUE(IsWindowVisible(Button("执行")));
    }

    AppUnderTest app_;
};

TEST_F(MainWindowTest, ControlsMatchTheLayout) {
    // Fonts are checked in-process: Wine answers WM_GETFONT from another process with NULL.
    std::vector<HWND> mainChildren = Children(app_.Main());
    std::vector<HWND> groupChildren = Children(GroupBox());
    ASSERT_EQ(mainChildren.size(), 9u);
    ASSERT_EQ(groupChildren.size(), 2u);
    size_t mainAt = 0, groupAt = 0;
    for (const ExpectedControl& expected : kLayout) {
        SCOPED_TRACE(expected.text);
        HWND control = expected.parent == Parent::Main ? mainChildren[mainAt++] : groupChildren[groupAt++];
        EXPECT_STRCASEEQ(ClassName(control).c_str(), expected.className);
        EXPECT_EQ(WindowText(control), expected.text);
        RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);
        LONG style = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS), WS_CHILD | WS_CLIPSIBLINGS);
        // A radio button's tab stop follows its check state (BM_SETCHECK sets and clears it).
        bool radio = (expected.kindStyle & 0xF) == BS_AUTORADIOBUTTON;
        bool tabStop = radio ? expected.checked == 1
                             : expected.kindStyle != (BS_GROUPBOX | BS_LEFT) && expected.kindStyle != 0;
        EXPECT_EQ((style & WS_TABSTOP) != 0, tabStop);
        if (expected.kindStyle != 0) {
            EXPECT_EQ(static_cast<DWORD>(style) & kKindMask, expected.kindStyle);
        }
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & (WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE),
                  expected.exStyle);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visibleAtStart);
        EXPECT_TRUE(IsWindowEnabled(control));
        if (expected.checked >= 0) {
            EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), expected.checked);
        }
    }
    EXPECT_EQ(SendMessageA(PathBox(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    EXPECT_EQ(GetWindowLongA(PathBox(), GWL_STYLE) & (ES_READONLY | ES_NOHIDESEL | ES_PASSWORD | ES_UPPERCASE), 0);
}

TEST_F(MainWindowTest, WindowIsCentredFixedInSizeAndMinimisable) {
    RECT frame;
    GetWindowRect(app_.Main(), &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 410) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 259) / 2);
    if (GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768) {
        EXPECT_EQ(frame.left, 307);
        EXPECT_EQ(frame.top, 254);
    }
    EXPECT_EQ(frame.right - frame.left, 410);
    EXPECT_EQ(frame.bottom - frame.top, 259);

    LONG style = GetWindowLongA(app_.Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongA(app_.Main(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(app_.Main(), GW_OWNER), nullptr);

    // No border of the frame offers resizing.
    LRESULT hit = SendMessageA(app_.Main(), WM_NCHITTEST, 0, MAKELPARAM(frame.right - 1, (frame.top + frame.bottom) / 2));
    EXPECT_NE(hit, HTRIGHT);
    hit = SendMessageA(app_.Main(), WM_NCHITTEST, 0, MAKELPARAM(frame.right - 1, frame.bottom - 1));
    EXPECT_NE(hit, HTBOTTOMRIGHT);

    SetWindowPos(app_.Main(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    app_.Flush();
    GetWindowRect(app_.Main(), &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 120);

    PostMessageA(app_.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(app_.Main()) != FALSE; }));
}

TEST_F(MainWindowTest, StartsInAcceleratorModeWithFocusOnUninstallRadioUnchecked) {
    ExpectMode(false);
    EXPECT_TRUE(Checked(Radio(false)));
    EXPECT_FALSE(Checked(Radio(true)));
    EXPECT_TRUE(Checked(CheckBox("重置套接字")));
    EXPECT_EQ(app_.Focus(), Radio(true));
    EXPECT_EQ(GetForegroundWindow(), app_.Main());
}

TEST_F(MainWindowTest, ModesSwitchAndKeepTheirContent) {
    SendMessageA(PathBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("D:\\Games\\路径.exe"));
    Click(Radio(false));
    ExpectMode(false);

    Click(Radio(true));
    ExpectMode(true);
    EXPECT_TRUE(Checked(Radio(true)));
    EXPECT_FALSE(Checked(Radio(false)));
    EXPECT_TRUE(Checked(CheckBox("重置套接字")));
    Click(CheckBox("重置套接字"));
    Click(CheckBox("重置IPv4"));
    Click(Radio(true));
    ExpectMode(true);

    Click(Radio(false));
    ExpectMode(false);
    EXPECT_EQ(WindowText(PathBox()), "D:\\Games\\路径.exe");

    Click(Radio(true));
    EXPECT_FALSE(Checked(CheckBox("重置套接字")));
    EXPECT_TRUE(Checked(CheckBox("重置IPv4")));
    EXPECT_FALSE(Checked(CheckBox("重置防火墙")));
    EXPECT_FALSE(Checked(CheckBox("重置IPv6")));
}

// Name of each control in Tab order, with the window that stands for it.
struct TabCase {
    bool uninstall;
    bool shift;
    const char* from;
    const char* to;
};

const TabCase kTabCases[] = {
    {false, false, "当前机器使用过Taviro", "当前机器没有使用过Taviro"},
    {false, false, "当前机器没有使用过Taviro", "执行"},
    {false, false, "执行", "..."},
    {false, false, "...", "edit"},
    {false, false, "edit", "当前机器使用过Taviro"},
    {false, true, "当前机器使用过Taviro", "edit"},
    {false, true, "edit", "..."},
    {false, true, "执行", "当前机器没有使用过Taviro"},
    {true, false, "执行", "重置防火墙"},
    {true, false, "重置防火墙", "重置套接字"},
    {true, false, "重置套接字", "重置IPv4"},
    {true, false, "重置IPv4", "重置IPv6"},
    {true, false, "重置IPv6", "当前机器使用过Taviro"},
    {true, false, "当前机器使用过Taviro", "当前机器没有使用过Taviro"},
    {true, true, "重置防火墙", "执行"},
    {true, true, "当前机器使用过Taviro", "重置IPv6"},
};

TEST_F(MainWindowTest, TabFollowsTheTabOrderPastHiddenControls) {
    auto window = [&](const char* name) -> HWND {
        std::string text = name;
        if (text == "edit") return PathBox();
        if (text.find("Taviro") != std::string::npos) return Radio(text == "当前机器使用过Taviro");
        return Button(name);
    };
    for (const TabCase& tab : kTabCases) {
        SCOPED_TRACE(std::string(tab.uninstall ? "uninstall" : "accelerator") + (tab.shift ? " shift+tab " : " tab ") +
                     tab.from);
        Click(Radio(tab.uninstall));
        HWND from = window(tab.from);
        app_.SetFocusTo(from);
        ASSERT_EQ(app_.Focus(), from);
        app_.PressKey(VK_TAB, tab.shift);
        EXPECT_EQ(app_.Focus(), window(tab.to));
        ExpectMode(tab.uninstall);
    }
}

}  // namespace

namespace {

// What a key does, pressed with the focus on a given control.
struct KeyCase {
    const char* name;
    const char* focus;  // "radio1", "radio2", "execute", "choose", "edit", "box"
    WORD key;
    bool shift;
    bool closes;
    bool switchesToUninstall;
};

const KeyCase kKeyCases[] = {
    {"Esc on the radio button", "radio1", VK_ESCAPE, false, true, false},
    {"Esc on 执行", "execute", VK_ESCAPE, false, true, false},
    {"Esc on the path box", "edit", VK_ESCAPE, false, true, false},
    {"Esc on ...", "choose", VK_ESCAPE, false, true, false},
    {"Esc on a check box", "box", VK_ESCAPE, false, true, false},
    {"Shift+Esc", "radio1", VK_ESCAPE, true, false, false},
    {"Shift+Esc on the path box", "edit", VK_ESCAPE, true, false, false},
    {"Enter on 执行", "execute", VK_RETURN, false, false, false},
    {"Enter on the radio button", "radio1", VK_RETURN, false, false, false},
    {"F1", "radio1", VK_F1, false, false, false},
    {"Right arrow", "radio2", VK_RIGHT, false, false, true},
    {"Down arrow", "radio2", VK_DOWN, false, false, true},
    {"Left arrow", "radio2", VK_LEFT, false, false, true},
    {"Up arrow", "radio2", VK_UP, false, false, true},
    {"Space on the radio button", "radio1", VK_SPACE, false, false, true},
    {"Arrow on the path box", "edit", VK_LEFT, false, false, false},
};

class KeyTest : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, DoesWhatTheKeyMeans) {
    const KeyCase& key = GetParam();
    std::string focus = key.focus;
    if (focus == "box") Click(Radio(true));
    HWND target = focus == "radio1"    ? Radio(true)
                  : focus == "radio2"  ? Radio(false)
                  : focus == "execute" ? Button("执行")
                  : focus == "choose"  ? Button("...")
                  : focus == "edit"    ? PathBox()
                                       : CheckBox("重置套接字");
    app_.SetFocusTo(target);
    ASSERT_EQ(app_.Focus(), target);
    bool uninstallBefore = focus == "box";

    app_.PressKey(key.key, key.shift);

    if (key.closes) {
        EXPECT_EQ(app_.WaitForExit(), 0u);
        return;
    }
    EXPECT_EQ(app_.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(app_.OtherWindows().empty()) << "a key opened a window";
    bool uninstall = key.switchesToUninstall || uninstallBefore;
    ExpectMode(uninstall);
    EXPECT_EQ(Checked(Radio(true)), uninstall);
    EXPECT_EQ(Checked(Radio(false)), !uninstall);
    if (key.switchesToUninstall && focus == "radio2")
        EXPECT_EQ(app_.Focus(), Radio(true));
    else
        EXPECT_EQ(app_.Focus(), target);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if ((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9'))
                                     name += *c;
                             return name + std::to_string(info.index);
                         });

TEST_F(MainWindowTest, ArrowKeysSwitchBackAndForth) {
    app_.SetFocusTo(Radio(true));
    app_.PressKey(VK_RIGHT);
    ExpectMode(false);
    EXPECT_TRUE(Checked(Radio(false)));
    EXPECT_EQ(app_.Focus(), Radio(false));
    app_.PressKey(VK_LEFT);
    ExpectMode(true);
    EXPECT_TRUE(Checked(Radio(true)));
    EXPECT_EQ(app_.Focus(), Radio(true));
}

TEST_F(MainWindowTest, ClosingEndsWithExitCodeZero) {
    PostMessageA(app_.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(app_.WaitForExit(), 0u);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(MainWindowTest, PaintsBackgroundGroupBoxAndPathBox) {
    RedrawWindow(app_.Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    app_.Flush();
    Sleep(300);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Client area outside every control, inside the group box, and the label's empty right end.
    EXPECT_EQ(ScreenPixel(app_.Main(), 395, 100), face);
    EXPECT_EQ(ScreenPixel(app_.Main(), 200, 230), face);
    for (int x = 12; x < 30; x += 4)
        for (int y = 30; y < 60; y += 6) EXPECT_EQ(ScreenPixel(GroupBox(), x, y), face) << x << "," << y;
    EXPECT_EQ(ScreenPixel(GroupBox(), 380, 62), face);
    EXPECT_EQ(ScreenPixel(Label(), 360, 38), face);
    // The path box is white inside and draws its text in grey.
    EXPECT_EQ(ScreenPixel(PathBox(), 300, 10), RGB(255, 255, 255));
}

}  // namespace
