// Files, folders and the directories the program asks Windows for.
#pragma once

#include <string>

#include "byte_image.h"

// Whether FindFirstFileA finds anything under `path` (a file, a folder, or a wildcard match).
bool FileExists(const std::string& path);

// Creates or replaces the file with exactly the image's bytes. False for an empty path, when the file
// cannot be opened exclusively (missing folder, read-only, hidden or system file, held open elsewhere)
// or when not every byte is written; a file that was opened is then left as it is.
bool WriteBytesToFile(const std::string& path, const ByteImage& image);

// The temporary-files folder ending with a backslash; empty when it cannot be obtained in 260 bytes.
std::string GetTempDirectory();

// The current directory as Windows reports it ("C:\" at a root, no trailing backslash elsewhere);
// empty when it cannot be obtained in 260 bytes.
std::string ReadCurrentDirectory();

// The system folder (GetSystemDirectoryA), without a trailing backslash; empty on failure.
std::string GetSystemDirectoryPath();

// `path` made absolute against the current directory (GetFullPathNameA); empty on failure.
std::string GetFullPath(const std::string& path);
