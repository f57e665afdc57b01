// Starting other programs from a command line.
#include "launcher.h"

#include <windows.h>

#include <algorithm>

#include "handles.h"

bool RunProgram(const std::string& commandLine, bool wait, int showMode) {
    static const WORD kShowWindow[] = {SW_HIDE,           SW_SHOWNORMAL,     SW_SHOWMINIMIZED,
                                       SW_SHOWMAXIMIZED,  SW_SHOWNOACTIVATE, SW_MINIMIZE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = kShowWindow[std::clamp(showMode, 1, 6) - 1];

    // CreateProcessA may write into its command line, so it gets a copy.
    std::string line = commandLine;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &created))
        return false;

    // Declared in this order so that the thread handle is closed first.
    ScopedHandle process(created.hProcess);
    ScopedHandle thread(created.hThread);
    if (wait)
        WaitForSingleObject(process.Get(), INFINITE);
    else
        WaitForInputIdle(process.Get(), 1000);
    return true;
}
