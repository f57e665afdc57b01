// The Execute action: the repair of the chosen mode, reported with one message box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "byte_image.h"
#include "layout.h"
#include "version_info.h"

// What the action reads and changes in the window.
struct ExecuteWindow {
    std::function<bool(ControlName)> isChecked;
    std::function<std::string(ControlName)> getText;
    std::function<void(ControlName, bool)> setDisabled;
    std::function<void(const std::string& text, UINT style, const std::string& title)> showMessage;
};

// The operations of the system that the action uses.
struct RepairOperations {
    std::function<std::string()> getTempDirectory;
    std::function<std::string()> getSystemDirectory;
    std::function<std::string(const std::string&)> getFullPath;
    std::function<bool(const std::string&)> fileExists;
    std::function<bool(const std::string&, const ByteImage&)> writeBytesToFile;
    std::function<bool(BOOL*)> queryWow64;
    std::function<bool(const std::string&, bool wait, int showMode)> runProgram;
    std::function<bool(const std::string&, FileVersionInfo&)> readFileVersionInfo;
};

// The main window's controls and the real operations.
ExecuteWindow MainExecuteWindow();
RepairOperations SystemRepairOperations();

// The Execute action, against the given window and operations.
void ExecuteAction(const ExecuteWindow& window, const RepairOperations& system);

// The interpreter's commands for the ticked check boxes, in their order on screen, joined by " & ";
// empty when none is ticked.
std::string InterpreterCommands(const ExecuteWindow& window);
