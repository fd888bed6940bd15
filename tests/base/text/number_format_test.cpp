#include "base/text/number_format.h"

#include <climits>

#include <gtest/gtest.h>

namespace oltoma {
namespace {

struct IntCase {
    long long value;
    int width;
    const char* zeroPadded;
    const char* spacePadded;
};

TEST(NumberFormat, IntegersPutTheSignInTheFirstPaddingPosition) {
    const IntCase cases[] = {
        {5, 4, "0005", "   5"}, {-5, 4, "-005", "-  5"},
        {-5, 1, "-5", "-5"},    {-5, 2, "-5", "-5"},
        {-5, 3, "-05", "- 5"},  {123, 2, "123", "123"},
        {0, 3, "000", "  0"},   {0, 0, "0", "0"},
        {48, 2, "48", "48"},    {LLONG_MIN, 1, "-9223372036854775808", "-9223372036854775808"},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " width " + std::to_string(c.width));
        EXPECT_EQ(IntZeroPadded(c.value, c.width), c.zeroPadded);
        EXPECT_EQ(IntSpacePadded(c.value, c.width), c.spacePadded);
    }
}

TEST(NumberFormat, WidthStopsAt32) {
    EXPECT_EQ(IntZeroPadded(7, 100), std::string(31, '0') + "7");
    EXPECT_EQ(IntSpacePadded(-7, 40), "-" + std::string(30, ' ') + "7");
}

struct RealCase {
    double value;
    int width;
    const char* zeroPadded;
    const char* spacePadded;
};

TEST(NumberFormat, RealsHaveTwoDecimalsAndTheIntegerSignRule) {
    const RealCase cases[] = {
        {1.0, 3, "1.00", "1.00"},      {1.5, 6, "001.50", "  1.50"},
        {-1.5, 6, "-01.50", "- 1.50"}, {-1.5, 2, "-1.50", "-1.50"},
        {0.005, 4, "0.01", "0.01"},    {1234.567, 0, "1234.57", "1234.57"},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " width " + std::to_string(c.width));
        EXPECT_EQ(RealZeroPadded(c.value, c.width), c.zeroPadded);
        EXPECT_EQ(RealSpacePadded(c.value, c.width), c.spacePadded);
    }
    EXPECT_EQ(RealSpacePadded(1e300, 5).size(), 32u);
}

}  // namespace
}  // namespace oltoma
