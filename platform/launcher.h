// Starting other programs from a command line.
#pragma once

#include <string>

// Starts the program that `commandLine` names (no application name: Windows reads the first token), with
// show mode 1 to 6 (hidden, normal, minimised, maximised, not activated, minimise; clamped to that range).
// With `wait` it returns after the process has ended; otherwise after it is idle or one second has passed.
// Returns false when the process could not be created; true says nothing about how the program ended.
bool RunProgram(const std::string& commandLine, bool wait, int showMode = 2);
