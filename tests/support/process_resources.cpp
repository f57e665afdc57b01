// What a running process holds: handles, GDI and USER objects, private bytes.
#include "process_resources.h"

#include <psapi.h>

#include <cstdlib>

#include "test_files.h"

namespace {

// The newest unix process other than this one whose command line names the program.
std::string UnixProcessFolder(const char* programName) {
    unsigned long self = std::strtoul(ReadWholeFile("Z:\\proc\\self\\stat").c_str(), nullptr, 10);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return "";
    std::string folder;
    unsigned long newest = 0;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
        unsigned long pid = std::strtoul(found.cFileName, nullptr, 10);
        std::string candidate = std::string("Z:\\proc\\") + found.cFileName;
        if (pid != self && pid > newest &&
            ReadWholeFile(candidate + "\\cmdline").find(programName) != std::string::npos) {
            newest = pid;
            folder = candidate;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return folder;
}

void MeasureUnix(const std::string& folder, Resources* resources) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\fd\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] != '.') ++resources->handles;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::string status = ReadWholeFile(folder + "\\status");
    size_t at = status.find("VmData:");
    if (at != std::string::npos) resources->privateBytes = std::strtoull(status.c_str() + at + 7, nullptr, 10) * 1024;
}

}  // namespace

Resources Measure(HANDLE process, const char* programName) {
    Resources resources;
    GetProcessHandleCount(process, &resources.handles);
    resources.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    resources.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        resources.privateBytes = memory.PrivateUsage;
    if (resources.handles == 0 && resources.privateBytes == 0) {
        std::string folder = UnixProcessFolder(programName);
        if (!folder.empty()) MeasureUnix(folder, &resources);
    }
    return resources;
}

