// Paths and files that tests use: the fixtures, scratch folders, reading what a fixture wrote.
#include "test_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

std::string FixtureDirectory() { return ToWindowsPath(QORVEL_FIXTURE_DIR); }

std::string Fixture(const std::string& fileName) { return FixtureDirectory() + "\\" + fileName; }

std::string MakeScratchFolder(const std::string& name) {
    static int counter = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "qorvel-tests";
    CreateDirectoryA(folder.c_str(), nullptr);
    // Process ids come round again: a folder left by an earlier run is never reused.
    for (;;) {
        std::string fresh = folder + "\\" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
        if (CreateDirectoryA(fresh.c_str(), nullptr)) return fresh;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return fresh;
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string ReportValue(const std::string& report, const std::string& key) {
    std::string prefix = key + ": ";
    for (size_t at = 0; at < report.size();) {
        size_t end = report.find('\n', at);
        if (end == std::string::npos) end = report.size();
        if (report.compare(at, prefix.size(), prefix) == 0) return report.substr(at + prefix.size(), end - at - prefix.size());
        at = end + 1;
    }
    return std::string();
}
