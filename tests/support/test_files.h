// Paths and files that tests use: the fixtures, scratch folders, reading what a fixture wrote.
#pragma once

#include <string>

// The unix path Wine maps to Z:, or a Windows path unchanged.
std::string ToWindowsPath(const std::string& path);

// The folder of the test build's fixture programs, as a Windows path, without a trailing backslash.
std::string FixtureDirectory();
std::string Fixture(const std::string& fileName);

// A fresh, empty folder for one test under the temporary folder; `name` may hold GBK characters.
std::string MakeScratchFolder(const std::string& name);

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// The value after "<key>: " on the report line that starts with it; empty when there is none.
std::string ReportValue(const std::string& report, const std::string& key);
