// A window or control that cannot be created ends the process with the fatal error box and exit code -1.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "main_window.h"
#include "child_process.h"
#include "window_query.h"

namespace {

int gFailAt = 0;
int gCalls = 0;

HWND WINAPI FailingCreateWindow(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width,
                                int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID parameter) {
    if (gCalls++ == gFailAt) return nullptr;
    return CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu, instance, parameter);
}

// Runs in the child process: builds the window with the given creation failing.
int BuildFailingWindow(const std::string& argument) {
    gFailAt = std::stoi(argument);
    return RunMainWindow(GetModuleHandleA(nullptr), FailingCreateWindow);
}

const ChildMode kMode("build-failing-window", BuildFailingWindow);

struct FailureCase {
    const char* what;
    int failAt;  // 0 is the main window, 1 to 11 the controls in layout order
};

class WindowFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(WindowFailureTest, ShowsFatalBoxAndExitsWithMinusOne) {
    ChildProcess child(kMode, std::to_string(GetParam().failAt));
    ASSERT_TRUE(child.Started());
    HWND box = child.WaitForWindow("错误");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(MessageBoxText(box), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败");
    EXPECT_EQ(VisibleWindowsOf(child.ProcessId()).size(), 1u) << "a half-built window is on screen";
    DismissBox(box);
    EXPECT_EQ(child.WaitForExit(), static_cast<DWORD>(-1));
}

INSTANTIATE_TEST_SUITE_P(Creations, WindowFailureTest,
                         ::testing::Values(FailureCase{"main window", 0}, FailureCase{"label", 1},
                                           FailureCase{"group box", 7}, FailureCase{"last check box", 11}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return "Creation" + std::to_string(info.param.failAt);
                         });

}  // namespace
