/* Benchmark baseline: the smallest Win32 program that shows a window, built with the same flags. */
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)previous, (void)arguments, (void)show;
    WNDCLASSA windowClass = {0};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "MinimalWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "MinimalWindow", "minimal", WS_OVERLAPPEDWINDOW, 100, 100, 410, 259, NULL, NULL,
                                  instance, NULL);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
