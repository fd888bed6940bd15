#include "base/time/stopwatch.h"

#include <gtest/gtest.h>

#include "base/time/clock_text.h"

namespace oltoma {
namespace {

class Stopwatch : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetLocalTimeSource([this] { return LocalDateTime{2024, 3, 4, h, m, s, 1}; });
    }
    void TearDown() override { SetLocalTimeSource(previous); }
    void At(int hour, int minute, int second) {
        h = hour;
        m = minute;
        s = second;
    }

    int h = 12, m = 0, s = 0;
    LocalTimeSource previous;
};

TEST_F(Stopwatch, RunOverMidnightCountsCorrectly) {
    At(23, 59, 50);
    EXPECT_EQ(StartStopwatch(), 1);
    At(0, 0, 10);
    EXPECT_EQ(StopStopwatch(9), "000:20");
}

TEST_F(Stopwatch, NestedStopwatchesAndReadsBySlot) {
    At(10, 0, 0);
    EXPECT_EQ(StartStopwatch(), 1);
    At(10, 1, 0);
    EXPECT_EQ(StartStopwatch(), 2);
    At(10, 3, 5);
    EXPECT_EQ(StopwatchElapsed(6, 1), "00:03:05");
    EXPECT_EQ(StopwatchElapsed(6, 0), "00:02:05");  // outside 1..25: the current depth
    EXPECT_EQ(StopStopwatch(6), "00:02:05");
    EXPECT_EQ(StopStopwatch(6), "00:03:05");
    EXPECT_EQ(StopStopwatch(6), "10:03:05");  // depth 0 reads slot 0, never started
}

TEST_F(Stopwatch, DepthStopsAt25) {
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(StartStopwatch(), i);
    }
    At(12, 0, 30);
    EXPECT_EQ(StartStopwatch(), 25);  // restarts the top one
    At(12, 1, 0);
    EXPECT_EQ(StopStopwatch(9), "000:30");
    EXPECT_EQ(StopwatchElapsed(9, 24), "001:00");
}

}  // namespace
}  // namespace oltoma
