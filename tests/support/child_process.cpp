// Tests that need a second process start their own executable again in a named child mode.
#include "child_process.h"

#include <map>

#include "window_query.h"

namespace {
std::map<std::string, ChildMode::Function>& Modes() {
    static std::map<std::string, ChildMode::Function> modes;
    return modes;
}
}  // namespace

ChildMode::ChildMode(const char* name, Function function) : name_(name) { Modes()[name] = function; }

bool RunChildModeIfAsked(int argc, char** argv, int* exitCode) {
    if (argc < 3 || std::string(argv[1]) != "--child") return false;
    auto found = Modes().find(argv[2]);
    *exitCode = found == Modes().end() ? 99 : found->second(argc > 3 ? argv[3] : "");
    return true;
}

ChildProcess::ChildProcess(const ChildMode& mode, const std::string& argument) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\" --child " + mode.Name() + " \"" + argument + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &created))
        return;
    CloseHandle(created.hThread);
    process_ = created.hProcess;
    processId_ = created.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

HWND ChildProcess::WaitForWindow(const std::string& title, DWORD milliseconds) const {
    return WaitForWindowOf(processId_, title, milliseconds);
}

DWORD ChildProcess::WaitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}
