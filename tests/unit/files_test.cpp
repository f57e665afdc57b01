// FileExists, WriteBytesToFile, GetTempDirectory and ReadCurrentDirectory.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "files.h"
#include "handles.h"
#include "test_files.h"

namespace {

ByteImage Image(const std::string& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

TEST(FileExists, FindsWhatFindFirstFileFinds) {
    std::string folder = MakeScratchFolder("exists");
    std::string file = folder + "\\present.exe";
    ASSERT_TRUE(WriteBytesToFile(file, Image("MZ")));
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {file, true},
        {folder, true},
        {folder + "\\", false},
        {"C:\\", false},
        {"", false},
        {folder + "\\*.exe", true},
        {folder + "\\pres?nt.exe", true},
        {folder + "\\*.dll", false},
        {folder + "\\absent.exe", false},
        {folder + "\\missing\\present.exe", false},
    };
    for (const Case& test : cases) EXPECT_EQ(FileExists(test.path), test.exists) << test.path;
}

// Wine, run as root here, lets CREATE_ALWAYS replace read-only, hidden and system files; Windows refuses.
bool RunsUnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

struct WriteCase {
    const char* name;
    bool windowsOnly;
    std::function<void(const std::string& path)> prepare;  // makes the situation before the write
    std::string image;
    bool succeeds;
    const char* contentAfter;  // nullptr: not checked
};

void Prepare(const std::string& path, const std::string& content, DWORD attributes) {
    ASSERT_TRUE(WriteBytesToFile(path, Image(content)));
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

TEST(WriteBytesToFile, CreatesOrReplacesExactly) {
    const WriteCase cases[] = {
        {"create", false, [](const std::string&) {}, "new bytes", true, "new bytes"},
        {"replace a longer file", false, [](const std::string& p) { Prepare(p, "a much longer earlier content", 0); },
         "short", true, "short"},
        {"empty image", false, [](const std::string& p) { Prepare(p, "old", 0); }, "", true, ""},
        {"read-only file", true, [](const std::string& p) { Prepare(p, "old", FILE_ATTRIBUTE_READONLY); }, "new", false,
         "old"},
        {"hidden file", true, [](const std::string& p) { Prepare(p, "old", FILE_ATTRIBUTE_HIDDEN); }, "new", false, "old"},
        {"system file", true, [](const std::string& p) { Prepare(p, "old", FILE_ATTRIBUTE_SYSTEM); }, "new", false, "old"},
    };
    for (const WriteCase& test : cases) {
        SCOPED_TRACE(test.name);
        if (test.windowsOnly && RunsUnderWine()) {
            std::printf("[  SKIPPED ] %s: Wine does not refuse it\n", test.name);
            continue;
        }
        std::string path = MakeScratchFolder("write") + "\\tool.exe";
        test.prepare(path);
        EXPECT_EQ(WriteBytesToFile(path, Image(test.image)), test.succeeds);
        if (test.contentAfter) {
            EXPECT_EQ(ReadWholeFile(path), test.contentAfter);
        }
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(WriteBytesToFile, RefusesAMissingFolderAndAnEmptyPath) {
    std::string folder = MakeScratchFolder("write-missing");
    EXPECT_FALSE(WriteBytesToFile(folder + "\\no folder\\tool.exe", Image("x")));
    EXPECT_FALSE(FileExists(folder + "\\no folder"));
    EXPECT_FALSE(WriteBytesToFile("", Image("x")));
}

TEST(WriteBytesToFile, RefusesAFileHeldOpenWithoutSharing) {
    std::string path = MakeScratchFolder("write-held") + "\\tool.exe";
    ASSERT_TRUE(WriteBytesToFile(path, Image("first")));
    {
        ScopedHandle held(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held.IsValid());
        EXPECT_FALSE(WriteBytesToFile(path, Image("second")));
    }
    EXPECT_EQ(ReadWholeFile(path), "first");
    EXPECT_TRUE(WriteBytesToFile(path, Image("second")));
    EXPECT_TRUE(WriteBytesToFile(path, Image("third image")));
    EXPECT_EQ(ReadWholeFile(path), "third image");
}

TEST(WriteBytesToFile, WritesBinaryBytesUnchanged) {
    std::string bytes("\0\r\n\x1a\xff\x5c", 6);
    std::string path = MakeScratchFolder("write-binary") + "\\tool.exe";
    ASSERT_TRUE(WriteBytesToFile(path, Image(bytes)));
    EXPECT_EQ(ReadWholeFile(path), bytes);
}

TEST(GetTempDirectory, EndsWithABackslashOrIsEmpty) {
    char expected[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, expected);
    std::string temp = GetTempDirectory();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_STREQ(temp.c_str(), expected);

    // A temporary folder whose name does not fit in 260 bytes gives the empty text.
    char savedTmp[MAX_PATH] = "", savedTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", savedTmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", savedTemp, MAX_PATH);
    std::string tooLong = "C:\\" + std::string(300, 'x');
    SetEnvironmentVariableA("TMP", tooLong.c_str());
    SetEnvironmentVariableA("TEMP", tooLong.c_str());
    std::string result = GetTempDirectory();
    SetEnvironmentVariableA("TMP", savedTmp);
    SetEnvironmentVariableA("TEMP", savedTemp);
    EXPECT_EQ(result, "");
}

TEST(ReadCurrentDirectory, GivesTheRootWithItsBackslashAndFoldersWithout) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    std::string folder = MakeScratchFolder("current");
    SetCurrentDirectoryA("C:\\");
    std::string atRoot = ReadCurrentDirectory();
    SetCurrentDirectoryA((folder + "\\").c_str());
    std::string inFolder = ReadCurrentDirectory();
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(atRoot, "C:\\");
    EXPECT_STRCASEEQ(inFolder.c_str(), folder.c_str());
}

}  // namespace
