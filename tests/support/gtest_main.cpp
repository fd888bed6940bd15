// GoogleTest entry point: every test stands alone (test_isolation.h).
#include <gtest/gtest.h>

#include "test_isolation.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new oltoma::testing::TestIsolation);
    return RUN_ALL_TESTS();
}
