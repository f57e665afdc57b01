// Starting programs for a test with an environment and a folder of its choosing.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Changes to this process's environment: a value replaces the variable, nullopt removes it.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// An environment block: this process's variables with the changes applied.
std::string EnvironmentBlock(const EnvironmentChanges& changes);

// Starts `commandLine` in `directory` (empty: this process's) with the changed environment and waits
// up to `milliseconds` for it to end; its exit code, or STILL_ACTIVE when it did not start or end.
DWORD RunToEnd(const std::string& commandLine, const std::string& directory, const EnvironmentChanges& changes,
               DWORD milliseconds = 30000);

// Ends every process whose parent is `parentId`, and their children in turn.
void EndChildProcesses(DWORD parentId);
