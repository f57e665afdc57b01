// Drives the real program from another process: start it, find its windows, press keys, read its state.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "test_files.h"
#include "test_process.h"
#include "window_query.h"

// The program under test, as a Windows path.
std::string AppExecutable();

struct StartOptions {
    std::string executable = AppExecutable();
    std::string arguments;
    std::string workingDirectory;                              // empty: the test's own
    EnvironmentChanges environment;
};

class AppUnderTest {
public:
    explicit AppUnderTest(const StartOptions& options = StartOptions());
    ~AppUnderTest();
    AppUnderTest(const AppUnderTest&) = delete;
    AppUnderTest& operator=(const AppUnderTest&) = delete;

    // The main window once it is visible; NULL when it did not appear within the time-out.
    HWND Main() const { return main_; }
    HANDLE Process() const { return process_; }
    DWORD ProcessId() const { return processId_; }

    // A top-level window of the process with this title that is visible, waiting up to `milliseconds`.
    HWND WaitForWindow(const std::string& title, DWORD milliseconds = 10000) const;
    // The visible top-level windows of the process other than the main window.
    std::vector<HWND> OtherWindows() const;

    // The window that has the keyboard focus in the program's GUI thread.
    HWND Focus() const;

    // Gives the keyboard focus to one of the program's windows, as a click would.
    void SetFocusTo(HWND window) const;

    // Lets the program handle everything sent or posted to it so far.
    void Flush() const;

    // Presses and releases a key as real keyboard input, with Shift held when asked.
    void PressKey(WORD key, bool shift = false) const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE after the time-out.
    DWORD WaitForExit(DWORD milliseconds = 10000) const;

    // The program's current directory, read from its process parameters.
    std::string CurrentDirectory() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND main_ = nullptr;
};

