// Test entry point: runs a child mode when asked to, the test suite otherwise.
#include <gtest/gtest.h>

#include "child_process.h"

int main(int argc, char** argv) {
    int exitCode = 0;
    if (RunChildModeIfAsked(argc, argv, &exitCode)) return exitCode;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
