// Tests that need a second process start their own executable again in a named child mode.
#pragma once

#include <windows.h>

#include <string>

// A child mode: registered at static initialisation, run by the test main when the executable is
// started with "--child <name> <argument>"; its result is the child's exit code.
class ChildMode {
public:
    using Function = int (*)(const std::string& argument);
    ChildMode(const char* name, Function function);
    const char* Name() const { return name_; }

private:
    const char* name_;
};

// Runs the child mode named on the command line; false when the command line names none.
bool RunChildModeIfAsked(int argc, char** argv, int* exitCode);

// This executable started again in a child mode.
class ChildProcess {
public:
    ChildProcess(const ChildMode& mode, const std::string& argument);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    // A visible top-level window of the child with this title; NULL after the time-out.
    HWND WaitForWindow(const std::string& title, DWORD milliseconds = 10000) const;
    // The exit code, or STILL_ACTIVE after the time-out.
    DWORD WaitForExit(DWORD milliseconds = 10000) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
