#include "base/messages/memory_check.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

platform::MemoryStatus Status(std::uint64_t physical, std::uint64_t virtualMemory) {
    platform::MemoryStatus status;
    status.availablePhysical = physical;
    status.availableVirtual = virtualMemory;
    return status;
}

TEST(MemoryCheck, NeedsTheAmountPlus2048Bytes) {
    EXPECT_TRUE(MemoryAvailable(1000, Status(0, 3048)));
    EXPECT_FALSE(MemoryAvailable(1001, Status(0, 3048)));
    EXPECT_TRUE(MemoryAvailable(0, Status(0, 2048)));
    EXPECT_FALSE(MemoryAvailable(0, Status(0, 2047)));
}

TEST(MemoryCheck, KeepsTheLowestValuesMinusTheAmount) {
    EXPECT_EQ(LowestAvailablePhysical(), 0);
    MemoryAvailable(100, Status(5000, 9000));
    EXPECT_EQ(LowestAvailablePhysical(), 4900);
    EXPECT_EQ(LowestAvailableVirtual(), 8900);
    MemoryAvailable(4000, Status(6000, 20000));  // physical lower, virtual not
    MemoryAvailable(0, Status(7000, 9000));
    EXPECT_EQ(LowestAvailablePhysical(), 2000);
    EXPECT_EQ(LowestAvailableVirtual(), 8900);
}

TEST(MemoryCheck, ThisMachineHasMemoryForASmallRequest) {
    EXPECT_TRUE(MemoryAvailable(4096));
    EXPECT_GT(LowestAvailableVirtual(), 0);
}

}  // namespace
}  // namespace oltoma
