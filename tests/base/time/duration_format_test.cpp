#include "base/time/duration_format.h"

#include <climits>

#include <gtest/gtest.h>

namespace oltoma {
namespace {

struct DurationCase {
    int code;
    long long seconds;
    const char* text;
};

TEST(DurationFormat, EveryCode) {
    const DurationCase cases[] = {
        // 3661 s: 61 minutes and 1 second.
        {0, 3661, ""},
        {1, 3661, "01:01"},
        {2, 3661, "000061:01"},
        {3, 3661, "0061:01"},
        {4, 3661, "061:01"},
        {5, 3661, "00:01:01:0"},
        {6, 3661, "01:01:01"},
        {7, 3661, "000061:01"},
        {8, 3661, "0061:01"},
        {9, 3661, "061:01"},
        {10, 3661, "00:01:01:0"},
        {11, 3661, "01:01:01"},
        {15, 3661, "1.02"},
        {16, 3661, "01.02"},
        {12, 3661, ""},
        {-1, 3661, ""},
        {17, 3661, ""},
        // Whole minutes drop the seconds where the code says so.
        {0, 0, "00:00"},
        {2, 60, "000001"},
        {3, 60, "0001"},
        {4, 60, "001"},
        {5, 60, "00:01"},
        {6, 60, "00:01"},
        {7, 60, "000001:00"},
        {11, 60, "00:01:00"},
        // 25 hours: once wrapped and wrapped agree; days count.
        {1, 90000, "01:00"},
        {5, 90000, "01:00"},
        {10, 90000, "01:01:00:0"},
        {4, 90000, "1500"},
        {15, 90000, "1.00"},
        // Two days and 30 s: once wrapped still holds a day, wrapped does not.
        {0, 172830, ""},
        {1, 172830, "24:00"},
        {5, 172830, "02:00:00:3"},
        {6, 172830, "00:00:30"},
        {16, 172830, "24.00"},
        {0, 86400, "00:00"},
        {0, 86459, "00:00"},
        // Cases the callers rely on.
        {6, 86399, "23:59:59"},
        {15, 5400, "1.50"},
        {4, 86399, "1439:59"},
        {4, 2730, "045:30"},
        {5, 61, "00:00:01:0"},
        // Negative durations: the first character becomes "-".
        {1, -61, "-0:01"},
        {6, -3600, "-1:00"},
        {0, -30, "-0:00"},
        {12, -5, ""},
        {3, -61, "-001:01"},
        // Numbers wider than their field keep their digits up to 10 characters.
        {2, 2147483647, "35791394:0"},
    };
    for (const DurationCase& c : cases) {
        EXPECT_EQ(FormatDuration(c.code, c.seconds), c.text)
            << "code " << c.code << ", " << c.seconds << " s";
    }
}

TEST(DurationFormat, ExtremeValuesStayWithinTenCharacters) {
    for (int code = 0; code <= 16; ++code) {
        EXPECT_LE(FormatDuration(code, LLONG_MIN).size(), 10u) << code;
        EXPECT_LE(FormatDuration(code, LLONG_MAX).size(), 10u) << code;
    }
}

}  // namespace
}  // namespace oltoma
