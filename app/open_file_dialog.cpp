// The settings of the open-file dialog and the call that shows it.
#include "open_file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cctype>

#include "ansi_text.h"

OpenFileDialogSettings 通用对话框_选择文件 = {"", "", 0, "", "", "exe", 1, 1, 1, 0, 0};

namespace {

// Centres the dialog over its owner, kept inside the work area of the owner's monitor; over the work
// area alone when the owner is hidden or minimised.
void CentreDialog(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    HMONITOR monitor = MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return;
    RECT area = info.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    RECT frame;
    GetWindowRect(dialog, &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int left = around.left + ((around.right - around.left) - width) / 2;
    int top = around.top + ((around.bottom - around.top) - height) / 2;
    left = std::max(static_cast<int>(area.left), std::min(left, static_cast<int>(area.right) - width));
    top = std::max(static_cast<int>(area.top), std::min(top, static_cast<int>(area.bottom) - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CALLBACK DialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE)
        CentreDialog(GetParent(child));
    return 0;
}

DWORD DialogFlags(const OpenFileDialogSettings& settings) {
    DWORD flags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_EXPLORER;
    if (settings.createPrompt == 1) flags |= OFN_CREATEPROMPT;
    if (settings.fileMustExist == 1) flags |= OFN_FILEMUSTEXIST;
    if (settings.overwritePrompt == 1) flags |= OFN_OVERWRITEPROMPT;
    if (settings.pathMustExist == 1) flags |= OFN_PATHMUSTEXIST;
    if (settings.keepCurrentDirectory == 1) flags |= OFN_NOCHANGEDIR;
    return flags;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::string BuildDialogFilter(const std::string& filter) {
    std::string built = filter;
    while (!built.empty() && std::isspace(static_cast<unsigned char>(built.back()))) built.pop_back();
    if (built.empty()) return built;
    if (built.size() < 2 || built.compare(built.size() - 2, 2, "||") != 0) built += "||";
    for (size_t at = 0; at < built.size(); at = NextCharacter(built, at)) {
        if (built[at] == '|') built[at] = '\0';
    }
    return built;
}

bool ChooseOpenFile(OpenFileDialogSettings& settings, HWND owner) {
    std::string filter = BuildDialogFilter(settings.filter);
    char file[260] = "";
    settings.fileName.copy(file, sizeof file - 1);
    char fileTitle[64] = "";

    OPENFILENAMEA dialog = {};
    // The structure without the members added in Windows 2000.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.hInstance = GetModuleHandleA(nullptr);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(std::max(1, settings.initialFilter + 1));
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrInitialDir = OrNull(settings.initialDirectory);
    dialog.lpstrTitle = OrNull(settings.title);
    dialog.Flags = DialogFlags(settings);
    dialog.lpstrDefExt = OrNull(settings.defaultExtension);
    dialog.lpfnHook = DialogHook;

    HWND focus = GetFocus();
    bool disabledHere = owner && IsWindowEnabled(owner);
    if (disabledHere) EnableWindow(owner, FALSE);
    BOOL confirmed = GetOpenFileNameA(&dialog);
    if (disabledHere) EnableWindow(owner, TRUE);
    if (focus && IsWindow(focus)) SetFocus(focus);

    if (!confirmed) return false;
    settings.fileName = file;
    return true;
}
