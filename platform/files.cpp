// Files, folders and the directories the program asks Windows for.
#include "files.h"

#include <windows.h>

#include "handles.h"

namespace {
constexpr DWORD kPathBufferSize = 260;
}

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    ScopedFindHandle search(FindFirstFileA(path.c_str(), &found));
    return search.IsValid();
}

bool WriteBytesToFile(const std::string& path, const ByteImage& image) {
    if (path.empty()) return false;
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.IsValid()) return false;
    if (image.size > 0) {
        if (image.size > MAXDWORD) return false;
        DWORD written = 0;
        if (!WriteFile(file.Get(), image.bytes, static_cast<DWORD>(image.size), &written, nullptr) ||
            written != image.size)
            return false;
    }
    return file.Close();
}

std::string GetTempDirectory() {
    char buffer[kPathBufferSize] = "";
    DWORD length = GetTempPathA(kPathBufferSize, buffer);
    if (length == 0 || length >= kPathBufferSize) return std::string();
    std::string directory(buffer, length);
    if (directory.back() != '\\') directory += '\\';
    return directory;
}

std::string ReadCurrentDirectory() {
    char buffer[kPathBufferSize] = "";
    DWORD length = GetCurrentDirectoryA(kPathBufferSize, buffer);
    if (length == 0 || length >= kPathBufferSize) return std::string();
    return std::string(buffer, length);
}

std::string GetSystemDirectoryPath() {
    char buffer[kPathBufferSize] = "";
    UINT length = GetSystemDirectoryA(buffer, kPathBufferSize);
    if (length == 0 || length >= kPathBufferSize) return std::string();
    std::string directory(buffer, length);
    if (directory.back() == '\\') directory.pop_back();
    return directory;
}

std::string GetFullPath(const std::string& path) {
    if (path.empty()) return std::string();
    DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::string();
    std::string full(needed, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return std::string();
    full.resize(length);
    return full;
}
