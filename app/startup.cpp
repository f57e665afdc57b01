// Start-up steps that come before the main window.
#include "startup.h"

#include <windows.h>

#include <string>

#include "ansi_text.h"

void MakeProgramFolderCurrent() {
    char buffer[260] = "";
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return;
    std::string path(buffer, length);
    size_t backslash = FindLastCharacter(path, '\\');
    if (backslash == std::string::npos) return;
    // "C:" alone would name the drive's current directory, not its root.
    bool driveRoot = backslash == 2 && path[1] == ':';
    SetCurrentDirectoryA(path.substr(0, driveRoot ? backslash + 1 : backslash).c_str());
}
