// Every branch of the Execute action, through fakes of the window and of the system operations.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "execute_action.h"
#include "texts.h"
#include "tool_images.h"

namespace {

// A scripted window and system; every call the action makes is logged in order.
struct Fake {
    bool radio1 = false;
    bool boxes[4] = {false, true, false, false};  // 选择框1 to 选择框4
    std::string pathText = "D:\\Games\\acc.exe";
    std::string temp = "C:\\Temp\\";
    std::string systemDirectory = "C:\\windows\\system32";
    bool fileExists = true;
    bool writeSucceeds = true;
    bool queryReturns = true;
    BOOL wow64 = 1;
    std::vector<bool> runResults = {true, true};
    bool versionReadSucceeds = true;
    std::string description = "Qorvel网游加速器";

    std::vector<std::string> calls;
    const ByteImage* written = nullptr;
    bool buttonDisabled = false;
    bool buttonWasDisabledDuringMessage = false;

    ExecuteWindow Window() {
        return {[this](ControlName name) {
                    calls.push_back("checked " + Name(name));
                    if (name == ControlName::单选框1) return radio1;
                    if (name == ControlName::选择框1) return boxes[0];
                    if (name == ControlName::选择框2) return boxes[1];
                    if (name == ControlName::选择框3) return boxes[2];
                    if (name == ControlName::选择框4) return boxes[3];
                    return false;
                },
                [this](ControlName) {
                    calls.push_back("path box");
                    return pathText;
                },
                [this](ControlName name, bool disabled) {
                    EXPECT_EQ(name, ControlName::按钮1);
                    buttonDisabled = disabled;
                    calls.push_back(disabled ? "disable" : "enable");
                },
                [this](const std::string& text, UINT style, const std::string& title) {
                    buttonWasDisabledDuringMessage = buttonDisabled;
                    calls.push_back("message " + std::to_string(style) + " " + title + " " + text);
                }};
    }

    RepairOperations System() {
        return {[this] {
                    calls.push_back("temp");
                    return temp;
                },
                [this] { return systemDirectory; },
                [this](const std::string& path) {
                    calls.push_back("full " + path);
                    return path.empty() ? std::string() : "C:\\full\\" + path;
                },
                [this](const std::string& path) {
                    calls.push_back("exists " + path);
                    return fileExists;
                },
                [this](const std::string& path, const ByteImage& image) {
                    calls.push_back("write " + path);
                    written = &image;
                    return writeSucceeds;
                },
                [this](BOOL* flag) {
                    calls.push_back("bitness");
                    *flag = wow64;
                    return queryReturns;
                },
                [this](const std::string& line, bool wait, int show) {
                    calls.push_back("run " + line + (wait ? " [wait " : " [nowait ") + std::to_string(show) + "]");
                    bool result = runResults.empty() ? false : runResults.front();
                    if (!runResults.empty()) runResults.erase(runResults.begin());
                    return result;
                },
                [this](const std::string& path, FileVersionInfo& record) {
                    calls.push_back("version " + path);
                    record = FileVersionInfo();
                    if (versionReadSucceeds) record.FileDescription = description;
                    return versionReadSucceeds;
                }};
    }

    static std::string Name(ControlName name) {
        switch (name) {
        case ControlName::单选框1: return "单选框1";
        case ControlName::单选框2: return "单选框2";
        case ControlName::选择框1: return "选择框1";
        case ControlName::选择框2: return "选择框2";
        case ControlName::选择框3: return "选择框3";
        case ControlName::选择框4: return "选择框4";
        default: return "other";
        }
    }
};

const std::string kError = "message 16 错误 ";
const std::string kSuccess = std::string("message 64 提示 ") + texts::kSuccess;
const std::string kTool = "C:\\Temp\\uninstall_x64.exe";
const std::string kInterpreter = "\"C:\\windows\\system32\\cmd.exe\" /k ";
const std::string kBoxReads[] = {"checked 选择框2", "checked 选择框1", "checked 选择框3", "checked 选择框4"};

struct ActionCase {
    const char* name;
    std::function<void(Fake&)> setUp;
    std::vector<std::string> calls;  // between "checked 单选框1" and "enable"
};

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

const std::vector<std::string> kReadBoxes(std::begin(kBoxReads), std::end(kBoxReads));

const ActionCase kCases[] = {
    {"uninstall succeeds with the initial boxes", [](Fake& f) { f.radio1 = true; },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"},
          Then(kReadBoxes, {"run " + kInterpreter + "netsh winsock reset [nowait 1]", kSuccess}))},
    {"uninstall with every box ticked",
     [](Fake& f) {
         f.radio1 = true;
         for (bool& box : f.boxes) box = true;
     },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"},
          Then(kReadBoxes, {"run " + kInterpreter +
                                "netsh winsock reset & netsh advfirewall reset & netsh int ipv4 reset & "
                                "netsh int ipv6 reset [nowait 1]",
                            kSuccess}))},
    {"uninstall with no box ticked starts no interpreter",
     [](Fake& f) {
         f.radio1 = true;
         f.boxes[1] = false;
     },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"}, Then(kReadBoxes, {kSuccess}))},
    {"uninstall ends silently when the bitness query fails",
     [](Fake& f) {
         f.radio1 = true;
         f.queryReturns = false;
     },
     {"bitness"}},
    {"uninstall takes x64 in a 64-bit build whatever the flag",
     [](Fake& f) {
         f.radio1 = true;
         f.wow64 = 0;
         f.boxes[1] = false;
     },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"}, Then(kReadBoxes, {kSuccess}))},
    {"uninstall: the tool cannot be written",
     [](Fake& f) {
         f.radio1 = true;
         f.writeSucceeds = false;
     },
     {"bitness", "write " + kTool, kError + texts::kErrorMinus1}},
    {"uninstall: no temporary folder writes nothing",
     [](Fake& f) {
         f.radio1 = true;
         f.temp = "";
     },
     {"bitness", kError + texts::kErrorMinus1}},
    {"uninstall: the tool cannot be started",
     [](Fake& f) {
         f.radio1 = true;
         f.runResults = {false};
     },
     {"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]", kError + texts::kErrorMinus2}},
    {"uninstall: the interpreter cannot be started",
     [](Fake& f) {
         f.radio1 = true;
         f.runResults = {true, false};
     },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"},
          Then(kReadBoxes, {"run " + kInterpreter + "netsh winsock reset [nowait 1]", kError + texts::kErrorMinus3}))},
    {"uninstall: no system folder", [](Fake& f) {
         f.radio1 = true;
         f.systemDirectory = "";
     },
     Then({"bitness", "write " + kTool, "run \"" + kTool + "\" [wait 1]"}, Then(kReadBoxes, {kError + texts::kErrorMinus3}))},
    {"accelerator succeeds with the quoted full path", [](Fake&) {},
     {"path box", "full D:\\Games\\acc.exe", "exists C:\\full\\D:\\Games\\acc.exe",
      "version C:\\full\\D:\\Games\\acc.exe",
      "run \"C:\\full\\D:\\Games\\acc.exe\" -unRegisterDriver -stopScDriver -delDriver -CompatibleMode/1 [nowait 2]",
      kSuccess}},
    {"accelerator: empty path box", [](Fake& f) { f.pathText = ""; },
     {"path box", "full ", kError + texts::kBadPath}},
    {"accelerator: a path with quotes", [](Fake& f) { f.pathText = "\"D:\\acc.exe\""; },
     {"path box", kError + texts::kBadPath}},
    {"accelerator: nothing under the path", [](Fake& f) { f.fileExists = false; },
     {"path box", "full D:\\Games\\acc.exe", "exists C:\\full\\D:\\Games\\acc.exe", kError + texts::kBadPath}},
    {"accelerator: no version information", [](Fake& f) { f.versionReadSucceeds = false; },
     {"path box", "full D:\\Games\\acc.exe", "exists C:\\full\\D:\\Games\\acc.exe",
      "version C:\\full\\D:\\Games\\acc.exe", kError + texts::kErrorMinus2}},
    {"accelerator: another description", [](Fake& f) { f.description = "Qorvel网游加速器 "; },
     {"path box", "full D:\\Games\\acc.exe", "exists C:\\full\\D:\\Games\\acc.exe",
      "version C:\\full\\D:\\Games\\acc.exe", kError + texts::kNotTheAccelerator}},
    {"accelerator: it cannot be started", [](Fake& f) { f.runResults = {false}; },
     {"path box", "full D:\\Games\\acc.exe", "exists C:\\full\\D:\\Games\\acc.exe",
      "version C:\\full\\D:\\Games\\acc.exe",
      "run \"C:\\full\\D:\\Games\\acc.exe\" -unRegisterDriver -stopScDriver -delDriver -CompatibleMode/1 [nowait 2]",
      kError + texts::kErrorMinus1}},
};

TEST(ExecuteAction, EveryBranchMakesItsCallsInOrderAndReenablesTheButton) {
    for (const ActionCase& test : kCases) {
        SCOPED_TRACE(test.name);
        Fake fake;
        test.setUp(fake);
        ExecuteAction(fake.Window(), fake.System());
        std::vector<std::string> expected = {"disable", "temp", "checked 单选框1"};
        expected.insert(expected.end(), test.calls.begin(), test.calls.end());
        expected.push_back("enable");
        EXPECT_EQ(fake.calls, expected);
        EXPECT_FALSE(fake.buttonDisabled);
        bool showedMessage = !test.calls.empty() && test.calls.back().rfind("message", 0) == 0;
        if (showedMessage) {
            EXPECT_TRUE(fake.buttonWasDisabledDuringMessage);
        }
    }
}

TEST(ExecuteAction, WritesTheToolImageForThisWindows) {
    Fake fake;
    fake.radio1 = true;
    ExecuteAction(fake.Window(), fake.System());
    ASSERT_NE(fake.written, nullptr);
    EXPECT_EQ(fake.written->bytes, kToolImageX64.bytes);
    EXPECT_EQ(fake.written->size, kToolImageX64.size);
}

}  // namespace
