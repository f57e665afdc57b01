// System functions that are looked up by name at their first call instead of being imported.
#include "runtime_functions.h"

#include <string>

#include "fatal_error.h"

namespace {

RuntimeFunction gTable[] = {
    {"kernel32.dll", "IsWow64Process", nullptr, nullptr},
    {"ntdll.dll", "RtlComputeCrc32", nullptr, nullptr},
};

RuntimeFunction& Entry(RuntimeFunctionId id) { return gTable[static_cast<int>(id)]; }

template <typename Function>
Function Resolve(RuntimeFunctionId id) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(ResolveRuntimeFunction(Entry(id))));
}

}  // namespace

FARPROC ResolveRuntimeFunction(RuntimeFunction& entry) {
    if (entry.address) return entry.address;
    HMODULE module = LoadLibraryA(entry.library);
    FARPROC address = module ? GetProcAddress(module, entry.exportName) : nullptr;
    if (!address) {
        if (module) FreeLibrary(module);
        ShowFatalErrorAndExit(std::string("无法找到指定DLL库文件“") + entry.library + "”中的输出命令“" +
                              entry.exportName + "”");
    }
    entry.module = module;
    entry.address = address;
    return address;
}

const RuntimeFunction& RuntimeFunctionEntry(RuntimeFunctionId id) { return Entry(id); }

bool QueryWow64(BOOL* wow64) {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64Process = Resolve<IsWow64ProcessFn>(RuntimeFunctionId::IsWow64Process);
    return isWow64Process(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1)), wow64) == TRUE;
}

uint32_t ComputeCrc32(const void* bytes, size_t count) {
    using RtlComputeCrc32Fn = DWORD(WINAPI*)(DWORD, const BYTE*, INT);
    auto computeCrc32 = Resolve<RtlComputeCrc32Fn>(RuntimeFunctionId::RtlComputeCrc32);
    return computeCrc32(0, static_cast<const BYTE*>(bytes), static_cast<INT>(count));
}
