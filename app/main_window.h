// The main window: its class, its twelve controls, its window procedure and its message loop.
#pragma once

#include <windows.h>

// CreateWindowExA, or a stand-in that lets a test make a creation fail.
using CreateWindowFunction = HWND(WINAPI*)(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU,
                                            HINSTANCE, LPVOID);

// Builds the main window and its controls, raises the window-created event and shows the window.
// NULL when the window or a control cannot be created; nothing of it is left then.
HWND BuildMainWindow(HINSTANCE instance, CreateWindowFunction createWindow);

// Builds the window and runs the message loop until it is closed; returns the exit code (0). A window
// that cannot be built ends the process with the fatal error box and exit code -1.
int RunMainWindow(HINSTANCE instance, CreateWindowFunction createWindow);
