// The message box of the Execute action.
#include "show_message.h"

int ShowMessage(const std::string& text, UINT style, const std::string& title, HWND owner) {
    if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
    switch (MessageBoxA(owner, text.c_str(), title.c_str(), style)) {
    case IDCANCEL: return 1;
    case IDABORT: return 2;
    case IDRETRY: return 3;
    case IDIGNORE: return 4;
    case IDYES: return 5;
    case IDNO: return 6;
    default: return 0;
    }
}
