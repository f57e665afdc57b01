// Reading the version strings of an executable file.
#include "version_info.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "ansi_text.h"
#include "version_library.h"

namespace {

constexpr size_t kFieldLimit = 255;

// The rightmost four of "000%x": four lower-case hexadecimal digits with leading zeros.
std::string FourHexDigits(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "000%x", value);
    std::string digits = text;
    return digits.substr(digits.size() - 4);
}

std::string QueryString(const VersionFunctions& version, const std::vector<char>& block, const std::string& key,
                        const char* name) {
    std::string query = "\\StringFileInfo\\" + key + "\\" + name;
    LPVOID value = nullptr;
    UINT length = 0;
    if (!version.verQueryValue(block.data(), query.c_str(), &value, &length) || !value) return std::string();
    return CutToCharacters(static_cast<const char*>(value), kFieldLimit);
}

}  // namespace

bool ReadFileVersionInfo(const std::string& path, FileVersionInfo& record) {
    record = FileVersionInfo();
    const VersionFunctions* version = SystemVersionFunctions();
    if (!version) return false;
    DWORD size = version->getFileVersionInfoSize(path.c_str(), nullptr);
    if (size == 0) return false;
    std::vector<char> block(size);
    version->getFileVersionInfo(path.c_str(), 0, size, block.data());

    LPVOID translations = nullptr;
    UINT length = 0;
    version->verQueryValue(block.data(), "\\VarFileInfo\\Translation", &translations, &length);
    std::string key = "040904E4";
    std::string languages;
    if (length != 0 && translations) {
        const DWORD* entries = static_cast<const DWORD*>(translations);
        size_t count = length / sizeof(DWORD);
        for (size_t i = 0; i < count; ++i) {
            char name[256] = "";
            version->verLanguageName(entries[i], name, sizeof name);
            languages += name;
            if (i + 1 < count) languages += ", ";
        }
        if (count > 0) key = FourHexDigits(LOWORD(entries[0])) + FourHexDigits(HIWORD(entries[0]));
    }

    record.FileVersion = QueryString(*version, block, key, "FileVersion");
    record.CompanyName = QueryString(*version, block, key, "CompanyName");
    record.FileDescription = QueryString(*version, block, key, "FileDescription");
    record.InternalName = QueryString(*version, block, key, "InternalName");
    record.LegalCopyright = QueryString(*version, block, key, "LegalCopyright");
    record.LegalTrademarks = QueryString(*version, block, key, "LegalTrademarks");
    record.OriginalFilename = QueryString(*version, block, key, "OriginalFilename");
    record.ProductName = QueryString(*version, block, key, "ProductName");
    record.ProductVersion = QueryString(*version, block, key, "ProductVersion");
    record.Comments = QueryString(*version, block, key, "Comments");
    record.Language = CutToCharacters(languages, kFieldLimit);
    return true;
}
