// Reading the version strings of an executable file.
#pragma once

#include <string>

// The eleven version strings of a file, in this order; an absent field reads as the empty text.
struct FileVersionInfo {
    std::string FileVersion;
    std::string FileDescription;
    std::string InternalName;
    std::string CompanyName;
    std::string LegalCopyright;
    std::string LegalTrademarks;
    std::string OriginalFilename;
    std::string ProductName;
    std::string ProductVersion;
    std::string Language;  // the names of the languages the file declares, joined by ", "
    std::string Comments;
};

// Clears every field, then fills them from the string table that the file's first translation entry
// names ("040904E4" without a translation table). Each field holds at most 255 bytes, cut on a character
// boundary. False, with every field empty, when the file has no version information.
bool ReadFileVersionInfo(const std::string& path, FileVersionInfo& record);
