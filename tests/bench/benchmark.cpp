// Prints start-up and Execute timings of the program, beside a minimal window and a direct start.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app_driver.h"
#include "process_resources.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Milliseconds from process creation to a visible top-level window of it.
double TimeToWindow(const std::string& executable) {
    std::string line = "\"" + executable + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &created))
        return -1;
    double elapsed = -1;
    while (Now() - start < 20000) {
        if (!VisibleWindowsOf(created.dwProcessId).empty()) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(created.hProcess, 0);
    WaitForSingleObject(created.hProcess, 5000);
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: benchmark <program> <minimal window> <fake accelerator>\n");
        return 2;
    }
    const std::string program = ToWindowsPath(argv[1]), minimal = ToWindowsPath(argv[2]);
    const std::string accelerator = ToWindowsPath(argv[3]);
    const int runs = 21;

    std::vector<double> programTimes, minimalTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes.push_back(TimeToWindow(program));
        minimalTimes.push_back(TimeToWindow(minimal));
    }
    double programMedian = Median(programTimes), minimalMedian = Median(minimalTimes);
    std::printf("start-up to visible window, median of %d: program %.1f ms, minimal window %.1f ms, ratio %.2f\n",
                runs, programMedian, minimalMedian, minimalMedian > 0 ? programMedian / minimalMedian : 0.0);

    StartOptions options;
    options.executable = program;
    options.environment = {{"QORVEL_REPORT_FILE", std::nullopt}};
    AppUnderTest app(options);
    if (!app.Main()) return 1;
    HWND execute = FindChild(app.Main(), "Button", "执行");
    SendMessageA(FindChildOfClass(app.Main(), "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(accelerator.c_str()));
    app.Flush();
    Resources rest = Measure(app.Process(), "QorvelNetRepair.exe");
    std::printf("at rest: %lu handles, %zu private bytes (Wine: unix descriptors and data size)\n", rest.handles,
                static_cast<size_t>(rest.privateBytes));

    std::vector<double> clickTimes, directTimes;
    for (int i = 0; i < 10; ++i) {
        double start = Now();
        PostMessageA(execute, BM_CLICK, 0, 0);
        HWND box = app.WaitForWindow("提示", 20000);
        clickTimes.push_back(Now() - start);
        if (box) DismissBox(box);
        WaitUntil([&] { return IsWindowEnabled(execute) != FALSE; });

        // The same start done directly, with the same second of WaitForInputIdle.
        std::string line = "\"" + accelerator + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION created = {};
        start = Now();
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &created)) {
            WaitForInputIdle(created.hProcess, 1000);
            directTimes.push_back(Now() - start);
            CloseHandle(created.hThread);
            CloseHandle(created.hProcess);
        }
    }
    std::printf("click on 执行 to the message box, median of 10: %.1f ms; CreateProcessA and WaitForInputIdle "
                "of the same fixture: %.1f ms\n",
                Median(clickTimes), Median(directTimes));
    return 0;
}
