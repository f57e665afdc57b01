// The filter of the open-file dialog and the shortcut resolver, in this process.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <string>

#include "open_file_dialog.h"
#include "shortcut.h"
#include "test_files.h"
#include "test_system.h"

namespace {

TEST(BuildDialogFilter, SplitsOnBarsThatAreCharactersOfTheirOwn) {
    const struct {
        std::string filter;
        std::string built;
    } cases[] = {
        {"Qorvel网游加速器|*.exe", std::string("Qorvel网游加速器\0*.exe\0\0", 24)},
        {"a|*.exe||", std::string("a\0*.exe\0\0", 9)},
        {"a|*.exe  \t", std::string("a\0*.exe\0\0", 9)},
        {"", ""},
        {"   ", ""},
        // 倈 is 0x82 0x7C: its second byte is no bar.
        {"倈|*.exe", std::string("倈\0*.exe\0\0", 10)},
    };
    for (const auto& test : cases) EXPECT_EQ(BuildDialogFilter(test.filter), test.built) << test.filter;
}

TEST(DialogSettings, StartAsTheLayoutHasThem) {
    EXPECT_EQ(通用对话框_选择文件.defaultExtension, "exe");
    EXPECT_EQ(通用对话框_选择文件.fileName, "");
    EXPECT_EQ(通用对话框_选择文件.initialFilter, 0);
    EXPECT_EQ(通用对话框_选择文件.fileMustExist, 1);
    EXPECT_EQ(通用对话框_选择文件.pathMustExist, 1);
    EXPECT_EQ(通用对话框_选择文件.overwritePrompt, 1);
    EXPECT_EQ(通用对话框_选择文件.createPrompt, 0);
    EXPECT_EQ(通用对话框_选择文件.keepCurrentDirectory, 0);
}

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        folder_ = MakeScratchFolder("shortcut");
    }
    void TearDown() override { OleUninitialize(); }

    std::string folder_;
};

TEST_F(ShortcutTest, ResolvesTheTargetAndAppendsArgumentsToTheResultOnly) {
    std::string target = Fixture("accelerator.exe");
    ASSERT_TRUE(MakeShortcut(folder_ + "\\a.exe.lnk", target, "-x --y"));
    std::string stored = "untouched";
    EXPECT_STRCASEEQ(ResolveShortcutTarget(folder_ + "\\a.exe", stored).c_str(), (target + " -x --y").c_str());
    EXPECT_STRCASEEQ(stored.c_str(), target.c_str());

    // Named as a shortcut in any letter case: the name itself is loaded.
    ASSERT_TRUE(MakeShortcut(folder_ + "\\B.LNK", target, ""));
    stored = "untouched";
    EXPECT_STRCASEEQ(ResolveShortcutTarget(folder_ + "\\B.LNK", stored).c_str(), target.c_str());
    EXPECT_STRCASEEQ(stored.c_str(), target.c_str());
}

TEST_F(ShortcutTest, NothingLoadableLeavesTheTargetUntouched) {
    std::string stored = "untouched";
    EXPECT_EQ(ResolveShortcutTarget(folder_ + "\\none.exe", stored), "");
    EXPECT_EQ(ResolveShortcutTarget(Fixture("no_version.exe") + ".lnk", stored), "");
    std::string inner = folder_ + "\\x.LNKdir";
    CreateDirectoryA(inner.c_str(), nullptr);
    CopyFileA(Fixture("no_version.exe").c_str(), (inner + "\\a.exe").c_str(), FALSE);
    EXPECT_EQ(ResolveShortcutTarget(inner + "\\a.exe", stored), "") << "an executable is no shortcut";
    EXPECT_EQ(stored, "untouched");
}

}  // namespace
