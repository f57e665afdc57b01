// The settings of the open-file dialog and the call that shows it.
#pragma once

#include <windows.h>

#include <string>

// What the path chooser's dialog object holds for the whole run. Yes/no settings count only as 1.
struct OpenFileDialogSettings {
    std::string title;
    std::string filter;  // descriptions and patterns separated by "|"
    int initialFilter = 0;
    std::string initialDirectory;
    std::string fileName;  // the full path the user confirmed last
    std::string defaultExtension;
    int fileMustExist = 1;
    int pathMustExist = 1;
    int overwritePrompt = 1;
    int createPrompt = 0;
    int keepCurrentDirectory = 0;
};

// The path chooser's dialog object.
extern OpenFileDialogSettings 通用对话框_选择文件;

// The filter as GetOpenFileNameA wants it: trailing white space stripped, "||" appended, and every "|"
// that is a character of its own (not the second byte of a double-byte one) made a zero byte.
std::string BuildDialogFilter(const std::string& filter);

// Shows the open-file dialog owned by `owner`, centred over it. True when the user confirmed a file;
// its full path is then the settings' file name. False when cancelled or when it cannot be shown.
bool ChooseOpenFile(OpenFileDialogSettings& settings, HWND owner);
