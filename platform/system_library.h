// Loading a DLL of Windows from the system folder only.
#pragma once

#include <windows.h>

// Loads `name` by its full path in the system folder, never through the DLL search order, so that a
// DLL of that name planted beside the (elevated) program is not taken. NULL when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);
