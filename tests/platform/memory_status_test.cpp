#include "platform/memory_status.h"

#include <fstream>

#include <gtest/gtest.h>

namespace oltoma::platform {
namespace {

void Write(const char* path, const char* text) {
    std::ofstream(path) << text;
}

TEST(MemoryStatus, ReadsMeminfoInBytes) {
    Write("meminfo",
          "MemTotal:        1000 kB\n"
          "MemFree:          100 kB\n"
          "MemAvailable:     250 kB\n"
          "Buffers:           10 kB\n"
          "Cached:            20 kB\n"
          "SwapTotal:       2000 kB\n"
          "SwapFree:        1500 kB\n"
          "HugePages_Total:    0\n");
    MemoryStatus status;
    ASSERT_TRUE(ReadMemoryStatus("meminfo", status));
    EXPECT_EQ(status.totalPhysical, 1000u * 1024);
    EXPECT_EQ(status.availablePhysical, 250u * 1024);
    EXPECT_EQ(status.totalSwap, 2000u * 1024);
    EXPECT_EQ(status.freeSwap, 1500u * 1024);
    EXPECT_EQ(status.totalVirtual, 3000u * 1024);
    EXPECT_EQ(status.availableVirtual, 1750u * 1024);
    EXPECT_EQ(status.memoryLoadPercent, 75);
}

TEST(MemoryStatus, OlderKernelsCountFreeBuffersAndCache) {
    Write("meminfo", "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 10 kB\nCached: 20 kB\n");
    MemoryStatus status;
    ASSERT_TRUE(ReadMemoryStatus("meminfo", status));
    EXPECT_EQ(status.availablePhysical, 130u * 1024);
    EXPECT_EQ(status.availableVirtual, 130u * 1024);  // no swap lines
}

TEST(MemoryStatus, FailsOnMissingOrForeignFiles) {
    MemoryStatus status;
    EXPECT_FALSE(ReadMemoryStatus("no-such-file", status));
    Write("garbage", "not: a\nmeminfo file\n\x01\x02");
    EXPECT_FALSE(ReadMemoryStatus("garbage", status));
    EXPECT_EQ(status.totalPhysical, 0u);
}

TEST(MemoryStatus, ReadsThisMachine) {
    MemoryStatus status;
    ASSERT_TRUE(ReadMemoryStatus(status));
    EXPECT_GT(status.totalPhysical, 0u);
    EXPECT_LE(status.availablePhysical, status.totalPhysical);
    EXPECT_GE(status.availableVirtual, status.availablePhysical);
}

}  // namespace
}  // namespace oltoma::platform
