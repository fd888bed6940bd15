// platform::ResetProcessState brings the engine, its status and the fault
// seam back to how a process starts: the fileblocks left open are closed
// (their locks released), the page cache is freed and faults are disarmed.
#include <gtest/gtest.h>

#include "platform/process_state.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/isam_status.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

TEST(EngineReset, ClosesTheFileblocksAndForgetsStatusAndFaults) {
    ASSERT_EQ(InitIsam(0, 16), 16);
    CreateFileBlock("BLOCK", 30, 0, {});
    FileBlock* block = nullptr;
    OpenFileBlock(block, "BLOCK");
    ASSERT_TRUE(IsamSucceeded());
    fault::FailWriteAt(1);
    AddRec(block, testing::LiveRecord(30, "record").data());
    ASSERT_FALSE(IsamSucceeded());
    ASSERT_GT(fault::Writes(), 0);

    platform::ResetProcessState();

    EXPECT_TRUE(IsamSucceeded());
    EXPECT_EQ(fault::Writes(), 0);
    EXPECT_EQ(InitIsam(0, 16), 16);
    FileBlock* again = nullptr;
    OpenFileBlock(again, "BLOCK");
    EXPECT_TRUE(IsamSucceeded()) << IsamError();
    AddRec(again, testing::LiveRecord(30, "record").data());
    EXPECT_TRUE(IsamSucceeded()) << IsamError();
    ExitIsam();
}

}  // namespace
}  // namespace oltoma::storage
