// The version-information functions of the system's own version.dll.
#include "version_library.h"

#include "system_library.h"

namespace {

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *function != nullptr;
}

}  // namespace

const VersionFunctions* SystemVersionFunctions() {
    static VersionFunctions functions = {};
    static bool loaded = false;
    if (loaded) return &functions;
    HMODULE module = LoadSystemLibrary("version.dll");
    if (!module) return nullptr;
    if (!Find(module, "GetFileVersionInfoSizeA", &functions.getFileVersionInfoSize) ||
        !Find(module, "GetFileVersionInfoA", &functions.getFileVersionInfo) ||
        !Find(module, "VerQueryValueA", &functions.verQueryValue) ||
        !Find(module, "VerLanguageNameA", &functions.verLanguageName)) {
        FreeLibrary(module);
        return nullptr;
    }
    loaded = true;
    return &functions;
}
