// RunProgram: show modes, waiting, failures and how Windows reads an unquoted command line.
#include <gtest/gtest.h>

#include <windows.h>

#include "launcher.h"
#include "test_files.h"

namespace {

// Starts the report child with the given command line tail and returns what it reported.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MakeScratchFolder("launcher");
        report_ = folder_ + "\\report.txt";
        SetEnvironmentVariableA("QORVEL_REPORT_FILE", report_.c_str());
        SetEnvironmentVariableA("QORVEL_REPORT_SLEEP_MS", nullptr);
    }
    void TearDown() override {
        SetEnvironmentVariableA("QORVEL_REPORT_FILE", nullptr);
        SetEnvironmentVariableA("QORVEL_REPORT_SLEEP_MS", nullptr);
    }
    std::string Report() const { return ReadWholeFile(report_); }

    std::string folder_;
    std::string report_;
};

struct ShowCase {
    int showMode;  // kDefault: the argument left out
    int expected;
};
constexpr int kDefault = 1000;

const ShowCase kShowCases[] = {
    {-5, SW_HIDE},          {0, SW_HIDE},           {1, SW_HIDE},          {2, SW_SHOWNORMAL},
    {3, SW_SHOWMINIMIZED},  {4, SW_SHOWMAXIMIZED},  {5, SW_SHOWNOACTIVATE}, {6, SW_MINIMIZE},
    {7, SW_MINIMIZE},       {1000000, SW_MINIMIZE}, {kDefault, SW_SHOWNORMAL},
};

TEST_F(LauncherTest, ShowModeReachesTheChildClamped) {
    std::string line = "\"" + Fixture("report_child.exe") + "\" first second";
    for (const ShowCase& show : kShowCases) {
        SCOPED_TRACE(show.showMode);
        DeleteFileA(report_.c_str());
        bool started = show.showMode == kDefault ? RunProgram(line, true) : RunProgram(line, true, show.showMode);
        ASSERT_TRUE(started);
        std::string report = Report();
        EXPECT_EQ(ReportValue(report, "show"), std::to_string(show.expected));
        EXPECT_EQ(ReportValue(report, "command line"), line);
    }
}

TEST_F(LauncherTest, WaitsOnlyWhenAsked) {
    SetEnvironmentVariableA("QORVEL_REPORT_SLEEP_MS", "2000");
    std::string line = "\"" + Fixture("report_child.exe") + "\"";

    DWORD start = GetTickCount();
    ASSERT_TRUE(RunProgram(line, true, 1));
    EXPECT_GE(GetTickCount() - start, 1900u);
    EXPECT_FALSE(Report().empty());

    DeleteFileA(report_.c_str());
    start = GetTickCount();
    ASSERT_TRUE(RunProgram(line, false, 1));
    // Not waiting gives the child at most one second to become idle.
    EXPECT_LT(GetTickCount() - start, 1700u);
}

TEST_F(LauncherTest, ChildStartsInTheCallersDirectory) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(folder_.c_str());
    bool started = RunProgram("\"" + Fixture("report_child.exe") + "\"", true, 1);
    SetCurrentDirectoryA(saved);
    ASSERT_TRUE(started);
    EXPECT_STRCASEEQ(ReportValue(Report(), "directory").c_str(), folder_.c_str());
}

TEST_F(LauncherTest, FailsWhenNothingCanBeStarted) {
    const char* lines[] = {"", "   ", "C:\\no\\such\\program.exe", "no_such_program_qorvel -x",
                           "\"C:\\no such\\program.exe\" -x"};
    for (const char* line : lines) EXPECT_FALSE(RunProgram(line, true, 1)) << line;
    EXPECT_FALSE(RunProgram(folder_, true, 1)) << "a folder is no program";
}

TEST_F(LauncherTest, UnquotedPathWithBlanksStartsTheShortestPrefixThatIsAProgram) {
    // folder\report.exe and folder\report dir\real.exe: the unquoted line names the second one.
    std::string shorter = folder_ + "\\report.exe";
    std::string inner = folder_ + "\\report dir";
    CreateDirectoryA(inner.c_str(), nullptr);
    std::string real = inner + "\\real.exe";
    ASSERT_TRUE(CopyFileA(Fixture("report_child.exe").c_str(), shorter.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(Fixture("report_child.exe").c_str(), real.c_str(), FALSE));

    ASSERT_TRUE(RunProgram(real + " -s", true, 1));
    EXPECT_STRCASEEQ(ReportValue(Report(), "program").c_str(), shorter.c_str());

    DeleteFileA(shorter.c_str());
    DeleteFileA(report_.c_str());
    ASSERT_TRUE(RunProgram(real + " -s", true, 1));
    EXPECT_STRCASEEQ(ReportValue(Report(), "program").c_str(), real.c_str());
}

}  // namespace
