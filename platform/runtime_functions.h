// System functions that are looked up by name at their first call instead of being imported.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// One looked-up function: where it comes from and, once resolved, its address and library.
struct RuntimeFunction {
    const char* library;
    const char* exportName;
    FARPROC address;
    HMODULE module;
};

enum class RuntimeFunctionId { IsWow64Process, RtlComputeCrc32 };

// The address of the entry's function, resolved and kept at the first call. A library or export that
// cannot be found ends the process with the fatal error box naming both; this never returns NULL.
FARPROC ResolveRuntimeFunction(RuntimeFunction& entry);

// The table's entry for `id`, as it stands now.
const RuntimeFunction& RuntimeFunctionEntry(RuntimeFunctionId id);

// The bitness query: IsWow64Process on this process. True only when that call returned exactly TRUE;
// `wow64` then holds the flag (1 for a 32-bit process on 64-bit Windows).
bool QueryWow64(BOOL* wow64);

// The standard CRC-32 (zlib's) of the bytes, through RtlComputeCrc32 with the initial value 0.
uint32_t ComputeCrc32(const void* bytes, size_t count);
