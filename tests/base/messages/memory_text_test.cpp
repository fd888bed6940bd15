#include "base/messages/memory_text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace oltoma {
namespace {

TEST(MemoryText, AMachineWithoutSwapShowsNoShareOfIt) {
    std::ofstream("meminfo") << "MemTotal:        8388608 kB\n"
                                "MemFree:         1048576 kB\n"
                                "MemAvailable:    2097152 kB\n"
                                "SwapTotal:             0 kB\n"
                                "SwapFree:              0 kB\n";
    platform::MemoryStatus status;
    ASSERT_TRUE(platform::ReadMemoryStatus("meminfo", status));
    EXPECT_EQ(MemoryStatusText(status, 1572864 * 1024LL, 3 * 1048576LL),
              "system 75% av totalt 8192mb\r\n"
              "pagefile  0% av totalt 0mb\r\n"
              "virtual 75% av totalt 8192mb\r\n"
              "systemleft 1536mb\r\n"
              "totalleft  3mb");
}

TEST(MemoryText, AnUnreadableStatusShowsZeros) {
    platform::MemoryStatus status;
    EXPECT_FALSE(platform::ReadMemoryStatus("no-such-meminfo", status));
    EXPECT_EQ(MemoryStatusText(status, 0, 0),
              "system 0% av totalt 0mb\r\npagefile  0% av totalt 0mb\r\n"
              "virtual  0% av totalt 0mb\r\nsystemleft  0mb\r\ntotalleft  0mb");
}

}  // namespace
}  // namespace oltoma
