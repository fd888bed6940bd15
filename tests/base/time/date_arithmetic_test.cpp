#include "base/time/date_arithmetic.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"
#include "base/time/clock_text.h"

namespace oltoma {
namespace {

class AddDays : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 12, 0, 0, 1}; });
        RefreshClock();
    }
    void TearDown() override { SetLocalTimeSource(previous); }

    LocalTimeSource previous;
};

TEST_F(AddDays, AdvancesDateAndWeekday) {
    const struct {
        const char* date;
        int n;
        const char* result;
    } cases[] = {
        {"Måndag  2024-02-28", 2, "Onsdag  2024-03-01"},  // leap year
        {"Tisdag  2023-02-28", 1, "Onsdag  2023-03-01"},
        {"Söndag  2023-12-31", 1, "Måndag  2024-01-01"},  // the second Söndag
        {"Fredag  2024-12-31", 7, "Fredag  2025-01-07"},
        {"Lördag  2024-03-02", 0, "Lördag  2024-03-02"},
        {"Lördag  2024-03-02", -5, "Lördag  2024-03-02"},  // only normalised
        {"måndag 2024-02-28", 0, "Måndag  2024-02-28"},    // any case, one blank
        {"Mån 2024-02-28", 1, "Tisdag  2024-02-29"},       // a name's beginning is enough
        {"Söndag  1999-12-31", 1, "Måndag  2000-01-01"},
        {"Söndag  2100-02-28", 1, "Måndag  2100-03-01"},  // 2100 is no leap year
        // No weekday name: the weekday of the date.
        {"2024-02-28", 0, "Onsdag  2024-02-28"},
        {"Vecka 2024-02-28", 1, "Torsdag 2024-02-29"},
        // No date, or none that exists: today (Monday 2024-03-04).
        {"Fredag", 0, "Fredag  2024-03-04"},
        {"", 1, "Tisdag  2024-03-05"},
        {"Måndag  2024-13-01", 0, "Måndag  2024-03-04"},
        {"Måndag  2023-02-29", 0, "Måndag  2024-03-04"},
        {"Måndag  2024-0x-01", 0, "Måndag  2024-03-04"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8FromWindows1252(AddDaysToDate(Windows1252FromUtf8(c.date), c.n)), c.result)
            << c.date << " + " << c.n;
    }
}

TEST_F(AddDays, HugeStepsNeitherHangNorOverflow) {
    const std::string text = AddDaysToDate(Windows1252FromUtf8("Måndag  2024-02-28"), 2147483647);
    EXPECT_LE(text.size(), 20u);
    EXPECT_EQ(Utf8FromWindows1252(text.substr(0, 8)), "Tisdag  ");  // 2^31 - 1 = 1 mod 7
}

}  // namespace
}  // namespace oltoma
