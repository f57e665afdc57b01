// Starting programs for a test with an environment and a folder of its choosing.
#include "test_process.h"

#include <tlhelp32.h>

#include <cstring>

std::string EnvironmentBlock(const EnvironmentChanges& changes) {
    std::vector<std::string> entries;
    char* block = GetEnvironmentStringsA();
    for (const char* at = block; *at; at += std::strlen(at) + 1) entries.emplace_back(at);
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : changes) {
        std::string prefix = name + "=";
        for (auto it = entries.begin(); it != entries.end();) {
            if (_strnicmp(it->c_str(), prefix.c_str(), prefix.size()) == 0)
                it = entries.erase(it);
            else
                ++it;
        }
        if (value) entries.push_back(prefix + *value);
    }
    std::string result;
    for (const auto& entry : entries) result += entry + '\0';
    return result + '\0';
}

DWORD RunToEnd(const std::string& commandLine, const std::string& directory, const EnvironmentChanges& changes,
               DWORD milliseconds) {
    std::string line = commandLine;
    std::string environment = EnvironmentBlock(changes);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, environment.data(),
                        directory.empty() ? nullptr : directory.c_str(), &startup, &created))
        return STILL_ACTIVE;
    CloseHandle(created.hThread);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(created.hProcess, milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(created.hProcess, &code);
    else
        TerminateProcess(created.hProcess, 1);
    CloseHandle(created.hProcess);
    return code;
}

void EndChildProcesses(DWORD parentId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    std::vector<DWORD> children;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID == parentId && entry.th32ProcessID != parentId)
            children.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    for (DWORD child : children) {
        EndChildProcesses(child);
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, child);
        if (process) {
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
    }
}
