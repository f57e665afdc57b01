// Start-up seen from outside: the current directory becomes the program's folder, arguments change nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include "app_driver.h"

namespace {

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

struct StartCase {
    const char* name;
    const char* folderName;  // where the program is copied to; nullptr: the build's own file
    const char* arguments;
};

const StartCase kStartCases[] = {
    {"BuildFolderFromForeignDirectory", nullptr, ""},
    {"ArgumentsChangeNothing", nullptr, "/x -unRegisterDriver C:\\ \"a b\""},
    // 誠 is 0xD5 0x5C in GBK: its second byte must not be taken for a backslash.
    {"FolderWhoseNameHidesABackslashByte", "誠检测", ""},
    {"PlainCopy", "copy", "--help"},
};

class StartupTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartupTest, CurrentDirectoryIsTheProgramFolder) {
    const StartCase& start = GetParam();
    std::string executable = AppExecutable();
    if (start.folderName) {
        std::string folder = MakeScratchFolder(start.folderName);
        executable = folder + "\\QorvelNetRepair.exe";
        ASSERT_TRUE(CopyFileA(AppExecutable().c_str(), executable.c_str(), FALSE)) << executable;
    }
    StartOptions options;
    options.executable = executable;
    options.arguments = start.arguments;
    options.workingDirectory = MakeScratchFolder("elsewhere");
    AppUnderTest app(options);
    ASSERT_NE(app.Main(), nullptr);

    EXPECT_STREQ(app.CurrentDirectory().c_str(), FolderOf(executable).c_str());
    // Nothing about the window depends on the arguments.
    EXPECT_TRUE(IsWindowVisible(app.Main()));
    HWND group = FindChild(app.Main(), "Button", "第一步：请选择");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(SendMessageA(FindChild(group, "Button", "当前机器没有使用过Taviro"), BM_GETCHECK, 0, 0), BST_CHECKED);
    PostMessageA(app.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Starts, StartupTest, ::testing::ValuesIn(kStartCases),
                         [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace
