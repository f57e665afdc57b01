// The message box of the Execute action.
#pragma once

#include <windows.h>

#include <string>

// Shows a message box owned by `owner`, modal to it (MB_TASKMODAL is added unless MB_SYSTEMMODAL is
// given), and returns the pressed button: IDOK 0, IDCANCEL 1, IDABORT 2, IDRETRY 3, IDIGNORE 4, IDYES 5,
// IDNO 6, anything else 0.
int ShowMessage(const std::string& text, UINT style, const std::string& title, HWND owner);
