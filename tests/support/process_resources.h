// What a running process holds: handles, GDI and USER objects, private bytes.
#pragma once

#include <windows.h>

#include <string>

struct Resources {
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
};

// The process's resources. Under Wine, which reports 0 for another process, the figures of the unix
// process whose command line names `programName` stand in: its open descriptors for handles, its data
// size for private bytes. GDI and USER counts stay 0 where they are not reported.
Resources Measure(HANDLE process, const char* programName);
