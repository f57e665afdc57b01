// The Execute action: the repair of the chosen mode, reported with one message box.
#include "execute_action.h"

#include "controls.h"
#include "files.h"
#include "handlers.h"
#include "launcher.h"
#include "runtime_functions.h"
#include "show_message.h"
#include "texts.h"
#include "tool_images.h"

namespace {

constexpr int kHidden = 1;
constexpr int kShownNormally = 2;

void ShowError(const ExecuteWindow& window, const char* text) { window.showMessage(text, MB_ICONERROR, texts::kTitleError); }
void ShowSuccess(const ExecuteWindow& window) {
    window.showMessage(texts::kSuccess, MB_ICONINFORMATION, texts::kTitleInfo);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Uninstall mode: deploy the tool that matches this Windows, run it to its end, then the interpreter.
void RunUninstallRepair(const ExecuteWindow& window, const RepairOperations& system, const std::string& temp) {
    BOOL wow64 = 0;
    if (!system.queryWow64(&wow64)) return;

    // A 64-bit build of this program only runs on 64-bit Windows.
    bool x64 = wow64 == 1 || sizeof(void*) == 8;
    const ByteImage& image = x64 ? kToolImageX64 : kToolImageX86;
    std::string toolPath = temp + (x64 ? texts::kToolNameX64 : texts::kToolNameX86);
    // Without a temporary folder the name alone would be written to, and searched from, anywhere.
    if (temp.empty() || !system.writeBytesToFile(toolPath, image)) return ShowError(window, texts::kErrorMinus1);
    if (!system.runProgram(Quoted(toolPath), true, kHidden)) return ShowError(window, texts::kErrorMinus2);

    std::string commands = InterpreterCommands(window);
    if (commands.empty()) return ShowSuccess(window);
    // By its full path: a cmd.exe beside the elevated program or in the current folder must not run.
    std::string systemDirectory = system.getSystemDirectory();
    std::string interpreter = Quoted(systemDirectory + "\\" + texts::kInterpreterFile);
    if (systemDirectory.empty() || !system.runProgram(interpreter + texts::kKeepOpenSwitch + commands, false, kHidden))
        return ShowError(window, texts::kErrorMinus3);
    ShowSuccess(window);
}

// Accelerator mode: check that the path names the accelerator, then start exactly that file.
void RunAcceleratorRepair(const ExecuteWindow& window, const RepairOperations& system, FileVersionInfo& record) {
    std::string typed = window.getText(ControlName::编_异常退出后执行);
    // One full path serves the check, the version read and the start; a quote could not be quoted.
    std::string path = typed.find('"') == std::string::npos ? system.getFullPath(typed) : std::string();
    if (path.empty() || !system.fileExists(path)) return ShowError(window, texts::kBadPath);
    if (!system.readFileVersionInfo(path, record)) return ShowError(window, texts::kErrorMinus2);
    if (record.FileDescription != texts::kAcceleratorDescription) return ShowError(window, texts::kNotTheAccelerator);
    if (!system.runProgram(Quoted(path) + texts::kAcceleratorSwitches, false, kShownNormally))
        return ShowError(window, texts::kErrorMinus1);
    ShowSuccess(window);
}

}  // namespace

std::string InterpreterCommands(const ExecuteWindow& window) {
    const struct {
        ControlName box;
        const char* command;
    } kCommands[] = {
        {ControlName::选择框2, texts::kResetSocketsCommand},
        {ControlName::选择框1, texts::kResetFirewallCommand},
        {ControlName::选择框3, texts::kResetIpv4Command},
        {ControlName::选择框4, texts::kResetIpv6Command},
    };
    std::string commands;
    for (const auto& entry : kCommands) {
        if (!window.isChecked(entry.box)) continue;
        if (!commands.empty()) commands += texts::kCommandSeparator;
        commands += entry.command;
    }
    return commands;
}

void ExecuteAction(const ExecuteWindow& window, const RepairOperations& system) {
    FileVersionInfo record;
    window.setDisabled(ControlName::按钮1, true);
    std::string temp = system.getTempDirectory();
    if (window.isChecked(ControlName::单选框1))
        RunUninstallRepair(window, system, temp);
    else
        RunAcceleratorRepair(window, system, record);
    window.setDisabled(ControlName::按钮1, false);
}

ExecuteWindow MainExecuteWindow() {
    return {IsControlChecked, GetControlText, SetControlDisabled,
            [](const std::string& text, UINT style, const std::string& title) {
                ShowMessage(text, style, title, ControlWindow(ControlName::MainWindow));
            }};
}

RepairOperations SystemRepairOperations() {
    return {GetTempDirectory,  GetSystemDirectoryPath, GetFullPath, FileExists, WriteBytesToFile,
            QueryWow64,        RunProgram,             ReadFileVersionInfo};
}

void On按钮1Clicked() { ExecuteAction(MainExecuteWindow(), SystemRepairOperations()); }
