// The one error box that ends the process.
#pragma once

#include <string>

// Shows "运行时出错!", an empty line and "错误信息：" followed by `message` in an ownerless error box
// titled "错误", then ends the process with exit code -1 once the box is dismissed.
[[noreturn]] void ShowFatalErrorAndExit(const std::string& message);
