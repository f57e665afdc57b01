// ReadFileVersionInfo on fixtures made for each case, and where the version functions come from.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "test_files.h"
#include "version_info.h"
#include "version_library.h"

namespace {

std::string LanguageName(DWORD entry) {
    char name[256] = "";
    VerLanguageNameA(entry, name, sizeof name);
    return name;
}

FileVersionInfo Filled() {
    FileVersionInfo record;
    for (std::string* field : {&record.FileVersion, &record.FileDescription, &record.InternalName,
                               &record.CompanyName, &record.LegalCopyright, &record.LegalTrademarks,
                               &record.OriginalFilename, &record.ProductName, &record.ProductVersion,
                               &record.Language, &record.Comments})
        *field = "stale";
    return record;
}

void ExpectAllEmpty(const FileVersionInfo& record) {
    EXPECT_EQ(record.FileVersion + record.FileDescription + record.InternalName + record.CompanyName +
                  record.LegalCopyright + record.LegalTrademarks + record.OriginalFilename + record.ProductName +
                  record.ProductVersion + record.Language + record.Comments,
              "");
}

TEST(ReadFileVersionInfo, ReadsEveryFieldOfAChineseTable) {
    FileVersionInfo record = Filled();
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("accelerator.exe"), record));
    EXPECT_EQ(record.FileVersion, "2.3.4.5");
    EXPECT_EQ(record.FileDescription, "Qorvel网游加速器");
    EXPECT_EQ(record.InternalName, "qorvel");
    EXPECT_EQ(record.CompanyName, "Qorvel公司");
    EXPECT_EQ(record.LegalCopyright, "版权所有");
    EXPECT_EQ(record.LegalTrademarks, "商标");
    EXPECT_EQ(record.OriginalFilename, "accelerator.exe");
    EXPECT_EQ(record.ProductName, "Qorvel网游加速器");
    EXPECT_EQ(record.ProductVersion, "2.3");
    EXPECT_EQ(record.Comments, "注释");
    EXPECT_EQ(record.Language, LanguageName(0x04B00804));
    EXPECT_FALSE(record.Language.empty());
}

TEST(ReadFileVersionInfo, FirstTranslationChoosesTheTableAndAllNameTheLanguages) {
    FileVersionInfo record = Filled();
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("two_translations.exe"), record));
    EXPECT_EQ(record.FileDescription, "English table");
    EXPECT_EQ(record.ProductName, "first");
    EXPECT_EQ(record.Language, LanguageName(0x04B00409) + ", " + LanguageName(0x04B00804));
    EXPECT_EQ(record.Comments, "");
}

TEST(ReadFileVersionInfo, NoTranslationTableReads040904E4) {
    FileVersionInfo record = Filled();
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("no_translation.exe"), record));
    EXPECT_EQ(record.FileDescription, "No translation");
    EXPECT_EQ(record.Comments, "found anyway");
    EXPECT_EQ(record.Language, "");
}

TEST(ReadFileVersionInfo, LongValuesAreCutTo255BytesOnACharacterBoundary) {
    FileVersionInfo record;
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("long_values.exe"), record));
    // 254 "a" and then 网 (two bytes): taking 网 would need 256 bytes.
    EXPECT_EQ(record.FileDescription, std::string(254, 'a'));
    EXPECT_EQ(record.Comments, std::string(255, 'b'));
}

TEST(ReadFileVersionInfo, MissingKeysGiveEmptyTexts) {
    FileVersionInfo record = Filled();
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("missing_keys.exe"), record));
    EXPECT_EQ(record.ProductName, "only product");
    record.ProductName.clear();
    record.Language.clear();
    ExpectAllEmpty(record);
}

TEST(ReadFileVersionInfo, NoVersionInformationFailsAndClearsEveryField) {
    const std::string paths[] = {Fixture("no_version.exe"), FixtureDirectory(), Fixture("absent.exe"), ""};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        FileVersionInfo record = Filled();
        EXPECT_FALSE(ReadFileVersionInfo(path, record));
        ExpectAllEmpty(record);
    }
}

TEST(ReadFileVersionInfo, RelativePathsResolveAgainstTheCurrentDirectory) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(FixtureDirectory().c_str());
    FileVersionInfo record;
    bool read = ReadFileVersionInfo("accelerator.exe", record);
    SetCurrentDirectoryA(saved);
    ASSERT_TRUE(read);
    EXPECT_EQ(record.FileDescription, "Qorvel网游加速器");
}

TEST(SystemVersionFunctions, ComeFromTheSystemFoldersVersionDll) {
    FileVersionInfo record;
    ASSERT_TRUE(ReadFileVersionInfo(Fixture("accelerator.exe"), record));
    const VersionFunctions* functions = SystemVersionFunctions();
    ASSERT_NE(functions, nullptr);
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const void* addresses[] = {reinterpret_cast<const void*>(functions->getFileVersionInfoSize),
                               reinterpret_cast<const void*>(functions->getFileVersionInfo),
                               reinterpret_cast<const void*>(functions->verQueryValue)};
    for (const void* address : addresses) {
        HMODULE module = nullptr;
        ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                       static_cast<LPCSTR>(address), &module));
        char file[MAX_PATH] = "";
        GetModuleFileNameA(module, file, MAX_PATH);
        EXPECT_STRCASEEQ(file, (std::string(system) + "\\version.dll").c_str());
    }
}

}  // namespace
