// The version-information functions of the system's own version.dll.
#pragma once

#include <windows.h>

struct VersionFunctions {
    DWORD(WINAPI* getFileVersionInfoSize)(LPCSTR, LPDWORD);
    BOOL(WINAPI* getFileVersionInfo)(LPCSTR, DWORD, DWORD, LPVOID);
    BOOL(WINAPI* verQueryValue)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    DWORD(WINAPI* verLanguageName)(DWORD, LPSTR, DWORD);
};

// The ANSI version functions of version.dll in the system folder, loaded by its full path at the first
// call and kept; NULL when that library or one of the functions is missing. The program imports nothing
// from version.dll, so a version.dll beside the elevated program is never loaded.
const VersionFunctions* SystemVersionFunctions();
