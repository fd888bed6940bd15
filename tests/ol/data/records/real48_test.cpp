#include "ol/data/records/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace oltoma::ol {
namespace {

Real48 Bytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4,
             std::uint8_t b5) {
    return Real48{{b0, b1, b2, b3, b4, b5}};
}

bool SameBytes(const Real48& a, const Real48& b) {
    return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0;
}

const double kLargest = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
const double kSmallest = std::ldexp(1.0, -128);

TEST(Real48, KnownValuesBothWays) {
    struct Case {
        double value;
        Real48 stored;
    };
    const Case cases[] = {
        {1.0, Bytes(0x81, 0, 0, 0, 0, 0)},
        {-1.0, Bytes(0x81, 0, 0, 0, 0, 0x80)},
        {0.5, Bytes(0x80, 0, 0, 0, 0, 0)},
        {150.0, Bytes(0x88, 0, 0, 0, 0, 0x16)},  // 1.171875 * 2^7
        {-1234.5, Bytes(0x8B, 0, 0, 0, 0x50, 0x9A)},
        {kSmallest, Bytes(0x01, 0, 0, 0, 0, 0)},
        {-kLargest, Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF)},
        {0.0, Bytes(0, 0, 0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Real48ToDouble(c.stored), c.value) << c.value;
        Real48 stored = Bytes(1, 2, 3, 4, 5, 6);
        ASSERT_TRUE(DoubleToReal48(c.value, stored)) << c.value;
        EXPECT_TRUE(SameBytes(stored, c.stored)) << c.value;
    }
}

TEST(Real48, EveryStoredValueReadsAndWritesBackExactly) {
    // Every exponent, both signs, fractions at their edges and at random.
    std::mt19937_64 random(48);
    for (int exponent = 1; exponent <= 255; ++exponent) {
        for (int pattern = 0; pattern < 24; ++pattern) {
            Real48 stored{};
            stored.bytes[0] = static_cast<std::uint8_t>(exponent);
            const std::uint64_t bits = pattern == 0   ? 0
                                       : pattern == 1 ? ~std::uint64_t{0}
                                       : pattern == 2 ? 1
                                                      : random();
            for (int i = 1; i <= 5; ++i) {
                stored.bytes[i] = static_cast<std::uint8_t>(bits >> (8 * (i - 1)));
            }
            const double value = Real48ToDouble(stored);
            Real48 written{};
            ASSERT_TRUE(DoubleToReal48(value, written)) << exponent << " " << pattern;
            EXPECT_TRUE(SameBytes(written, stored)) << exponent << " " << pattern;
        }
    }
}

TEST(Real48, ZeroWhateverTheOtherBytesHold) {
    EXPECT_EQ(Real48ToDouble(Bytes(0, 0xFF, 0x12, 0, 0x34, 0xFF)), 0.0);
    Real48 stored = Bytes(9, 9, 9, 9, 9, 9);
    ASSERT_TRUE(DoubleToReal48(-0.0, stored));
    EXPECT_TRUE(SameBytes(stored, Bytes(0, 0, 0, 0, 0, 0)));
}

TEST(Real48, RoundsToTheNearestStoredValue) {
    const double ulp = std::ldexp(1.0, -39);
    struct Case {
        double value;
        double stored;
    };
    const Case cases[] = {
        {1.0 + ulp / 2, 1.0},                    // tie: to even
        {1.0 + 3 * ulp / 2, 1.0 + 2 * ulp},      // tie: to even, upwards
        {1.0 + ulp * 0.75, 1.0 + ulp},           // nearer the next value
        {2.0 - ulp / 4, 2.0},                    // carries into the exponent
        {kSmallest * (1 - ulp / 4), kSmallest},  // rounds up to the smallest
        {std::ldexp(1.0, -129), 0.0},            // below the smallest: zero
        {-1e-300, 0.0},
        {std::numeric_limits<double>::denorm_min(), 0.0},
    };
    for (const Case& c : cases) {
        Real48 stored{};
        ASSERT_TRUE(DoubleToReal48(c.value, stored)) << c.value;
        EXPECT_EQ(Real48ToDouble(stored), c.stored) << c.value;
    }
    // A decimal amount is held to within half a unit of 39 bits and is
    // stable once stored.
    Real48 dime{};
    ASSERT_TRUE(DoubleToReal48(0.1, dime));
    EXPECT_NEAR(Real48ToDouble(dime), 0.1, 0.1 * ulp);
    Real48 again{};
    ASSERT_TRUE(DoubleToReal48(Real48ToDouble(dime), again));
    EXPECT_TRUE(SameBytes(again, dime));
}

TEST(Real48, RefusesWhatCannotBeStoredAndKeepsTheOldValue) {
    const double ulp = std::ldexp(1.0, -39);
    const double refused[] = {
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::ldexp(1.0, 127),
        -std::ldexp(2.0 - ulp / 4, 126),  // rounds beyond the largest
        std::numeric_limits<double>::max(),
    };
    for (const double value : refused) {
        Real48 stored = Bytes(0x88, 0, 0, 0, 0, 0x16);
        EXPECT_FALSE(DoubleToReal48(value, stored)) << value;
        EXPECT_EQ(Real48ToDouble(stored), 150.0) << value;
    }
}

}  // namespace
}  // namespace oltoma::ol
