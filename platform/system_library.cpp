// Loading a DLL of Windows from the system folder only.
#include "system_library.h"

#include <string>

#include "files.h"

HMODULE LoadSystemLibrary(const char* name) {
    std::string directory = GetSystemDirectoryPath();
    if (directory.empty()) return nullptr;
    return LoadLibraryA((directory + '\\' + name).c_str());
}
