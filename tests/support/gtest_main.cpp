// GoogleTest entry point: each test process gets its own sandbox folder.
#include <gtest/gtest.h>

#include "sandbox.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::string folder = oltoma::testing::EnterSandbox();
    const int result = RUN_ALL_TESTS();
    oltoma::testing::LeaveSandbox(folder);
    return result;
}
