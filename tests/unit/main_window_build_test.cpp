// The main window built in this process, for what Wine does not show to another one (fonts).
#include <gtest/gtest.h>

#include <windows.h>

#include "controls.h"
#include "layout.h"
#include "main_window.h"

namespace {

TEST(MainWindowBuild, EveryControlUsesTheDefaultGuiFont) {
    HWND main = BuildMainWindow(GetModuleHandleA(nullptr), CreateWindowExA);
    ASSERT_NE(main, nullptr);
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (size_t i = 0; i < kControlCount; ++i) {
        if (kControlLayout[i].kind == ControlKind::TransparentLabel) continue;  // it selects the font to paint
        HWND control = ControlWindow(kControlLayout[i].name);
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), font) << kControlLayout[i].text;
    }
    DestroyWindow(main);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace
