// The one error box that ends the process.
#include "fatal_error.h"

#include <windows.h>

void ShowFatalErrorAndExit(const std::string& message) {
    std::string text = "运行时出错!\r\n\r\n错误信息：" + message;
    MessageBoxA(nullptr, text.c_str(), "错误", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}
