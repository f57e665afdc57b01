// Reading the target of a shell shortcut.
#pragma once

#include <string>

// Loads the shortcut named by `fileName` (itself when it holds ".lnk" in any letter case, otherwise the
// name with ".lnk" appended) and returns its target path, followed by a blank and its arguments when it
// has any; `target` then receives the path alone. Empty, with `target` untouched, when no shortcut loads.
std::string ResolveShortcutTarget(const std::string& fileName, std::string& target);
