#include "base/time/clock_text.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

class ClockTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetLocalTimeSource([this] { return now; });
    }
    void TearDown() override { SetLocalTimeSource(previous); }

    std::string Utf8Part(int code) { return Utf8FromWindows1252(ClockPart(code)); }

    LocalDateTime now{2024, 3, 4, 13, 5, 9, 1};  // a Monday
    LocalTimeSource previous;
};

TEST_F(ClockTextTest, EveryPartOfTheClockText) {
    RefreshClock();
    EXPECT_EQ(Utf8FromWindows1252(ClockText()), "Måndag  2024-03-04 13:05:09");
    const std::pair<int, const char*> cases[] = {
        {12, "2024-03"},
        {13, "240304"},
        {14, "Måndag  2024-03-04 13:05:09"},
        {17, "Måndag  240304"},
        {18, "2024-00"},
        {19, "2024-03-04"},
        {20, "13"},
        {21, "2024-03-04 13:05:09"},
        {22, "Måndag  "},
        {23, "2024-02"},
        {24, "2023-00"},
        {11, ""},
        {25, ""},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(Utf8Part(code), text) << code;
    }
}

TEST_F(ClockTextTest, OtherCodesLeaveTheCallersText) {
    std::string text = "kept";
    ClockPart(15, text);
    EXPECT_EQ(text, "kept");
    ClockPart(20, text);
    EXPECT_EQ(text, "13");
}

TEST_F(ClockTextTest, PartsComeFromTheLastRefreshOnly) {
    RefreshClock();
    now = {2024, 1, 7, 0, 0, 1, 7};  // a Sunday in January
    EXPECT_EQ(Utf8Part(19), "2024-03-04");
    EXPECT_EQ(SecondsNow(), 1);  // refreshes
    EXPECT_EQ(Utf8Part(23), "2023-12");
    EXPECT_EQ(Utf8Part(22), "Söndag  ");
}

TEST_F(ClockTextTest, SecondsNowCountsFromMidnight) {
    now = {2024, 3, 4, 23, 59, 59, 1};
    EXPECT_EQ(SecondsNow(), 86399);
    EXPECT_EQ(Utf8Part(20), "23");
}

TEST(ClockTextSystem, LocalTimeFromTheCLibraryHasTheLayout) {
    RefreshClock();
    const std::string_view text = ClockText();
    ASSERT_EQ(text.size(), 27u);
    EXPECT_EQ(text.substr(12, 1), "-");
    EXPECT_EQ(text.substr(18, 1), " ");
    EXPECT_EQ(text.substr(21, 1), ":");
    const LocalDateTime now = CurrentLocalTime();
    EXPECT_GE(now.weekday, 1);
    EXPECT_LE(now.weekday, 7);
}

}  // namespace
}  // namespace oltoma
