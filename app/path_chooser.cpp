// The path chooser: the open-file dialog fills the path box, then the caption is set again.
#include "caption.h"
#include "caption_records.h"
#include "controls.h"
#include "files.h"
#include "handlers.h"
#include "open_file_dialog.h"
#include "shortcut.h"
#include "texts.h"

void On按钮_选择文件Clicked() {
    OpenFileDialogSettings& dialog = 通用对话框_选择文件;
    HWND main = ControlWindow(ControlName::MainWindow);
    std::string target;

    dialog.title = texts::kDialogTitle;
    // The settings have no window of their own: the main window owns the dialog through ChooseOpenFile.
    dialog.filter = texts::kDialogFilter;
    dialog.initialDirectory = ReadCurrentDirectory();
    if (ChooseOpenFile(dialog, main)) {
        std::string chosen = dialog.fileName;
        if (ResolveShortcutTarget(chosen, target).empty()) target = chosen;
        if (!target.empty()) SetControlText(ControlName::编_异常退出后执行, target);
    }
    SetCaptionFromRecord(kSecondCaptionRecord);
}
