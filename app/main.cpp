// Entry point of the network repair tool.
#include <windows.h>
#include <ole2.h>

#include "main_window.h"
#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    MakeProgramFolderCurrent();
    int exitCode = RunMainWindow(instance, CreateWindowExA);
    OleUninitialize();
    return exitCode;
}
