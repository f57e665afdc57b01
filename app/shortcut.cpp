// Reading the target of a shell shortcut.
#include "shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include "ansi_text.h"
#include "handles.h"
#include "texts.h"

namespace {

std::string ReadPath(IShellLinkA* link) {
    char path[1024] = "";
    link->GetPath(path, sizeof path, nullptr, SLGP_UNCPRIORITY);
    return path;
}

}  // namespace

std::string ResolveShortcutTarget(const std::string& fileName, std::string& target) {
    bool named = LowerSingleByteLetters(fileName).find(texts::kShortcutExtension) != std::string::npos;
    std::string shortcut = named ? fileName : fileName + texts::kShortcutExtension;

    ScopedComPtr<IShellLinkA> link;
    ScopedComPtr<IPersistFile> file;
    wchar_t wideName[260] = L"";
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Receive())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())) ||
        !MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, shortcut.c_str(), -1, wideName, 260) ||
        FAILED(file->Load(wideName, STGM_READ)))
        return std::string();

    std::string result = ReadPath(link.Get());
    char arguments[1024] = "";
    link->GetArguments(arguments, sizeof arguments);
    if (arguments[0]) result += std::string(" ") + arguments;
    target = ReadPath(link.Get());
    return result;
}
