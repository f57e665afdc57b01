// Drives the real program from another process: start it, find its windows, press keys, read its state.
#include "app_driver.h"

#include <winternl.h>

#include <cstring>

std::string AppExecutable() { return ToWindowsPath(QORVEL_APP_EXE); }

namespace {

struct FindMain {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainProc(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<FindMain*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassName(window) == "QorvelNetRepairWindow") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

AppUnderTest::AppUnderTest(const StartOptions& options) {
    std::string line = "\"" + options.executable + "\"";
    if (!options.arguments.empty()) line += " " + options.arguments;
    std::string environment = EnvironmentBlock(options.environment);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str(), &startup,
                        &created))
        return;
    process_ = created.hProcess;
    processId_ = created.dwProcessId;
    threadId_ = created.dwThreadId;
    CloseHandle(created.hThread);
    WaitUntil(
        [&] {
            FindMain search = {processId_, nullptr};
            EnumWindows(FindMainProc, reinterpret_cast<LPARAM>(&search));
            main_ = search.found;
            return main_ != nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
        },
        20000);
    if (main_) Flush();
}

AppUnderTest::~AppUnderTest() {
    if (!process_) return;
    // The interpreter that uninstall mode leaves running, hidden, is ended with the program.
    EndChildProcesses(processId_);
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        for (HWND box : OtherWindows()) PostMessageA(box, WM_CLOSE, 0, 0);
        if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 3000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
}

HWND AppUnderTest::WaitForWindow(const std::string& title, DWORD milliseconds) const {
    return WaitForWindowOf(processId_, title, milliseconds);
}

std::vector<HWND> AppUnderTest::OtherWindows() const {
    std::vector<HWND> others;
    for (HWND window : VisibleWindowsOf(processId_)) {
        if (window != main_) others.push_back(window);
    }
    return others;
}

HWND AppUnderTest::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId_, &info)) return nullptr;
    return info.hwndFocus;
}

void AppUnderTest::SetFocusTo(HWND window) const {
    // SetFocus acts on another thread's window only while the two threads share their input state.
    DWORD self = GetCurrentThreadId();
    AttachThreadInput(self, threadId_, TRUE);
    SetFocus(window);
    AttachThreadInput(self, threadId_, FALSE);
    Flush();
}

void AppUnderTest::Flush() const {
    // A message sent to the thread is handled at its next look at the queue; the second one therefore
    // only returns after whatever was posted before the first has been dispatched.
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 2; ++i) SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

void AppUnderTest::PressKey(WORD key, bool shift) const {
    SetForegroundWindow(main_);
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(count, inputs, sizeof(INPUT));
    Sleep(50);
    Flush();
}

DWORD AppUnderTest::WaitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::string AppUnderTest::CurrentDirectory() const {
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    if (NtQueryInformationProcess(process_, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return "";
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS* parametersAddress = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_, basic.PebBaseAddress, &peb, sizeof peb, &read)) return "";
    parametersAddress = peb.ProcessParameters;
    // CurrentDirectory.DosPath follows MaximumLength, Length, Flags, DebugFlags, ConsoleHandle,
    // ConsoleFlags and the three standard handles.
    struct {
        ULONG maximumLength, length, flags, debugFlags;
        HANDLE console;
        ULONG consoleFlags;
        HANDLE input, output, error;
        UNICODE_STRING currentDirectory;
    } parameters = {};
    if (!ReadProcessMemory(process_, parametersAddress, &parameters, sizeof parameters, &read)) return "";
    std::wstring wide(parameters.currentDirectory.Length / sizeof(wchar_t), L'\0');
    if (!ReadProcessMemory(process_, parameters.currentDirectory.Buffer, wide.data(),
                           parameters.currentDirectory.Length, &read))
        return "";
    char narrow[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    // The process parameters keep a trailing backslash that GetCurrentDirectory leaves off but at a root.
    std::string directory = narrow;
    if (directory.size() > 3 && directory.back() == '\\') directory.pop_back();
    return directory;
}

