// The run-time function table: resolved once and kept; a missing library or export ends the process.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "child_process.h"
#include "runtime_functions.h"
#include "window_query.h"

namespace {

TEST(RuntimeFunctions, BitnessQuerySucceedsWithFlagZeroIn64BitProcess) {
    BOOL wow64 = 7;
    ASSERT_TRUE(QueryWow64(&wow64));
#ifdef _WIN64
    EXPECT_EQ(wow64, 0);
#else
    BOOL expected = FALSE;
    IsWow64Process(GetCurrentProcess(), &expected);
    EXPECT_EQ(wow64, expected);
#endif
}

TEST(RuntimeFunctions, EntriesAreResolvedAtFirstCallAndKept) {
    BOOL wow64 = 0;
    QueryWow64(&wow64);
    const RuntimeFunction& entry = RuntimeFunctionEntry(RuntimeFunctionId::IsWow64Process);
    FARPROC expected = GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    EXPECT_EQ(entry.address, expected);
    EXPECT_NE(entry.module, nullptr);
    QueryWow64(&wow64);
    EXPECT_EQ(RuntimeFunctionEntry(RuntimeFunctionId::IsWow64Process).address, expected);

    ComputeCrc32("", 0);
    const RuntimeFunction& crc = RuntimeFunctionEntry(RuntimeFunctionId::RtlComputeCrc32);
    EXPECT_STREQ(crc.library, "ntdll.dll");
    EXPECT_EQ(crc.address, GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlComputeCrc32"));
}

TEST(RuntimeFunctions, Crc32IsTheStandardOne) {
    EXPECT_EQ(ComputeCrc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(ComputeCrc32("", 0), 0u);
    EXPECT_EQ(ComputeCrc32("a", 1), 0xE8B7BE43u);
}

// Runs in the child process: resolves an entry "library|export".
int ResolveMissing(const std::string& argument) {
    static std::string library, exportName;
    size_t bar = argument.find('|');
    library = argument.substr(0, bar);
    exportName = argument.substr(bar + 1);
    RuntimeFunction entry = {library.c_str(), exportName.c_str(), nullptr, nullptr};
    ResolveRuntimeFunction(entry);
    return 0;  // reached only when the function was found
}

const ChildMode kResolveMode("resolve-missing", ResolveMissing);

struct MissingCase {
    const char* entry;
    const char* message;
};

class MissingFunctionTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingFunctionTest, EndsTheProcessAfterTheFatalBox) {
    ChildProcess child(kResolveMode, GetParam().entry);
    ASSERT_TRUE(child.Started());
    HWND box = child.WaitForWindow("错误");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(MessageBoxText(box), std::string("运行时出错!\r\n\r\n错误信息：") + GetParam().message);
    EXPECT_EQ(child.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE)) << "ended before the box was closed";
    DismissBox(box);
    EXPECT_EQ(child.WaitForExit(), static_cast<DWORD>(-1));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MissingFunctionTest,
    ::testing::Values(
        MissingCase{"qorvel_missing.dll|IsWow64Process",
                    "无法找到指定DLL库文件“qorvel_missing.dll”中的输出命令“IsWow64Process”"},
        MissingCase{"kernel32.dll|QorvelMissingExport",
                    "无法找到指定DLL库文件“kernel32.dll”中的输出命令“QorvelMissingExport”"}),
    [](const ::testing::TestParamInfo<MissingCase>& info) {
        return info.index == 0 ? std::string("MissingLibrary") : std::string("MissingExport");
    });

TEST(RuntimeFunctions, PresentFunctionDoesNotEndTheChild) {
    ChildProcess child(kResolveMode, "kernel32.dll|GetTickCount");
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.WaitForExit(), 0u);
}

}  // namespace
