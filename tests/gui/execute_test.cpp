// The Execute action end to end through the real window: both repairs, every message, the button state.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app_driver.h"
#include "files.h"
#include "handles.h"
#include "test_system.h"

namespace {

const char kSuccess[] = "执行成功，请继续尝试使用Qorvel网游加速器，并观察问题是否解决。";
const char kErrorMinus1[] = "执行失败，错误代码 -1！";
const char kErrorMinus2[] = "执行失败，错误代码 -2！";
const char kBadPath[] = "Qorvel网游加速器路径不正确，你必须选择正确的Qorvel网游加速器路径！";
const char kNotTheAccelerator[] = "你选择的文件并非Qorvel网游加速器，请选择正确的Qorvel网游加速器文件！";
const char kSwitches[] = " -unRegisterDriver -stopScDriver -delDriver -CompatibleMode/1";

std::string OriginalPath() {
    char path[32767] = "";
    GetEnvironmentVariableA("PATH", path, sizeof path);
    return path;
}

// One program started with its own temporary folder, a fake netsh first on PATH and report files.
class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MakeScratchFolder("execute");
        temp_ = MakeScratchFolder("temp");
        std::string tools = MakeScratchFolder("fake tools");
        ASSERT_TRUE(CopyFileA(Fixture("netsh.exe").c_str(), (tools + "\\netsh.exe").c_str(), FALSE));
        netshLog_ = folder_ + "\\netsh.log";
        report_ = folder_ + "\\report.txt";
        options_.environment = {{"TEMP", temp_},
                                {"TMP", temp_},
                                {"PATH", tools + ";" + OriginalPath()},
                                {"QORVEL_NETSH_LOG", netshLog_},
                                {"QORVEL_REPORT_FILE", report_}};
    }

    void Start() {
        app_ = std::make_unique<AppUnderTest>(options_);
        ASSERT_NE(app_->Main(), nullptr);
        group_ = FindChild(app_->Main(), "Button", "第一步：请选择");
    }

    HWND Button(const char* text) const { return FindChild(app_->Main(), "Button", text); }
    HWND Radio(bool used) const {
        return FindChild(group_, "Button", used ? "当前机器使用过Taviro" : "当前机器没有使用过Taviro");
    }
    HWND PathBox() const { return FindChildOfClass(app_->Main(), "Edit"); }

    void Click(HWND button) {
        SendMessageA(button, BM_CLICK, 0, 0);
        app_->Flush();
    }

    // Clicks 执行 and returns the text of the box with this title, after checking that the main window
    // is its disabled owner and 执行 stays disabled while it is open; the box is then dismissed.
    std::string ExecuteAndRead(const char* title) {
        PostMessageA(Button("执行"), BM_CLICK, 0, 0);
        HWND box = app_->WaitForWindow(title, 20000);
        if (!box) {
            ADD_FAILURE() << "no box titled " << title;
            return "";
        }
        EXPECT_EQ(GetWindow(box, GW_OWNER), app_->Main());
        EXPECT_FALSE(IsWindowEnabled(app_->Main()));
        EXPECT_FALSE(IsWindowEnabled(Button("执行")));
        std::string text = MessageBoxText(box);
        DismissBox(box);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Button("执行")) != FALSE; }));
        EXPECT_TRUE(app_->OtherWindows().empty());
        return text;
    }

    StartOptions options_;
    std::unique_ptr<AppUnderTest> app_;
    HWND group_ = nullptr;
    std::string folder_, temp_, netshLog_, report_;
};

struct BoxesCase {
    const char* name;
    bool firewall, sockets, ipv4, ipv6;  // 选择框1 to 选择框4
    const char* log;
};

const BoxesCase kBoxesCases[] = {
    {"the initial state", false, true, false, false, "winsock reset\nwinsock reset\n"},
    {"all four", true, true, true, true,
     "winsock reset\nwinsock reset\nadvfirewall reset\nint ipv4 reset\nint ipv6 reset\n"},
    {"none", false, false, false, false, "winsock reset\n"},
};

TEST_F(ExecuteTest, UninstallModeDeploysTheToolThenRunsTheTickedCommands) {
    for (const BoxesCase& boxes : kBoxesCases) {
        SCOPED_TRACE(boxes.name);
        DeleteProxyKey();
        SetProxyValue("procnamearray");
        SetProxyValue("keepme");
        DeleteFileA(netshLog_.c_str());
        Start();
        Click(Radio(true));
        const std::pair<const char*, bool> ticks[] = {
            {"重置防火墙", boxes.firewall}, {"重置套接字", boxes.sockets}, {"重置IPv4", boxes.ipv4}, {"重置IPv6", boxes.ipv6}};
        for (const auto& [text, ticked] : ticks)
            SendMessageA(Button(text), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);

        EXPECT_EQ(ExecuteAndRead("提示"), kSuccess);
        EXPECT_EQ(ReadWholeFile(temp_ + "\\uninstall_x64.exe"), ReadWholeFile(ToWindowsPath(QORVEL_TOOL_X64)));
        EXPECT_FALSE(ProxyValueExists("procnamearray"));
        EXPECT_TRUE(ProxyValueExists("keepme"));
        // The interpreter is not waited for: its commands arrive when it gets to them.
        WaitUntil([&] { return ReadWholeFile(netshLog_) == boxes.log; }, 10000);
        Sleep(200);
        EXPECT_EQ(ReadWholeFile(netshLog_), boxes.log);
        EXPECT_TRUE(IsWindowEnabled(Button("执行")));
        app_.reset();
    }
    DeleteProxyKey();
}

TEST_F(ExecuteTest, UninstallModeReportsAToolFileThatCannotBeReplaced) {
    std::string tool = temp_ + "\\uninstall_x64.exe";
    ScopedHandle held(CreateFileA(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(held.IsValid());
    Start();
    Click(Radio(true));
    EXPECT_EQ(ExecuteAndRead("错误"), kErrorMinus1);
    EXPECT_FALSE(WaitUntil([&] { return !ReadWholeFile(netshLog_).empty(); }, 500)) << "something ran";
}

TEST_F(ExecuteTest, AcceleratorModeStartsExactlyTheCheckedFileQuotedAndShown) {
    // folder\acc.exe would be started for the unquoted "folder\acc dir\accelerator.exe ...".
    std::string planted = folder_ + "\\acc.exe";
    std::string inner = folder_ + "\\acc dir";
    CreateDirectoryA(inner.c_str(), nullptr);
    std::string accelerator = inner + "\\accelerator.exe";
    ASSERT_TRUE(CopyFileA(Fixture("report_child.exe").c_str(), planted.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(Fixture("accelerator.exe").c_str(), accelerator.c_str(), FALSE));
    Start();
    SendMessageA(PathBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(accelerator.c_str()));

    EXPECT_EQ(ExecuteAndRead("提示"), kSuccess);
    ASSERT_TRUE(WaitUntil([&] { return !ReadWholeFile(report_).empty(); }));
    std::string report = ReadWholeFile(report_);
    EXPECT_STRCASEEQ(ReportValue(report, "program").c_str(), accelerator.c_str());
    EXPECT_EQ(ReportValue(report, "command line"), "\"" + accelerator + "\"" + kSwitches);
    EXPECT_EQ(ReportValue(report, "show"), std::to_string(SW_SHOWNORMAL));
    EXPECT_EQ(WindowText(PathBox()), accelerator);
}

struct PathCase {
    const char* name;
    std::string path;  // what goes into the path box
    const char* message;
};

TEST_F(ExecuteTest, AcceleratorModeReportsEveryWrongPath) {
    const PathCase cases[] = {
        {"missing file", Fixture("absent.exe"), kBadPath},
        {"empty box", "", kBadPath},
        {"quoted path", "\"" + Fixture("accelerator.exe") + "\"", kBadPath},
        {"folder", FixtureDirectory(), kErrorMinus2},
        {"no version resource", Fixture("no_version.exe"), kErrorMinus2},
        {"description in other case", Fixture("wrong_case.exe"), kNotTheAccelerator},
        {"description with a trailing blank", Fixture("trailing_blank.exe"), kNotTheAccelerator},
        {"empty description", Fixture("empty_description.exe"), kNotTheAccelerator},
        {"another product", Fixture("other_product.exe"), kNotTheAccelerator},
        {"a DLL with the accelerator's description", Fixture("accelerator_library.dll"), kErrorMinus1},
    };
    Start();
    for (const PathCase& test : cases) {
        SCOPED_TRACE(test.name);
        SendMessageA(PathBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(test.path.c_str()));
        EXPECT_EQ(ExecuteAndRead("错误"), test.message);
        EXPECT_EQ(WindowText(PathBox()), test.path);
    }
    EXPECT_TRUE(ReadWholeFile(report_).empty()) << "a program was started";
    EXPECT_FALSE(FileExists(temp_ + "\\uninstall_x64.exe"));
}

TEST_F(ExecuteTest, EnterOnTheExecuteButtonDoesNotClickItButSpaceDoes) {
    Start();
    app_->SetFocusTo(Button("执行"));
    app_->PressKey(VK_RETURN);
    EXPECT_EQ(app_->WaitForWindow("错误", 500), nullptr);
    app_->PressKey(VK_SPACE);
    HWND box = app_->WaitForWindow("错误");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kBadPath);
    DismissBox(box);
}

}  // namespace
