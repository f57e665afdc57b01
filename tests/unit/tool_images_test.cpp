// The tool images carried by the program are the built tool files, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "test_files.h"
#include "tool_images.h"

namespace {

TEST(ToolImages, AreByteIdenticalToTheToolBuilds) {
    const struct {
        const char* file;
        const ByteImage& image;
    } cases[] = {{QORVEL_TOOL_X86, kToolImageX86}, {QORVEL_TOOL_X64, kToolImageX64}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.file);
        std::string file = ReadWholeFile(ToWindowsPath(test.file));
        ASSERT_GT(file.size(), 512u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(test.image.bytes), test.image.size), file);
    }
}

}  // namespace
