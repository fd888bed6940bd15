#include "storage/storage_start.h"
#include "storage/internal/isam_status_detail.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"
#include "storage/internal/isam_engine.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

class StorageStartTest : public ::testing::Test {
protected:
    void TearDown() override { engine::ExitIsam(); }
};

TEST_F(StorageStartTest, NetParameterChoosesTheLockingMode) {
    const struct {
        std::vector<std::string> parameters;
        int mode;
    } cases[] = {
        {{}, 0}, {{"data", "-x"}, 0}, {{"/NET"}, 2}, {{"x", "/net"}, 2}, {{"c:/NETWORK"}, 2},
    };
    for (const auto& c : cases) {
        std::string message;
        ASSERT_TRUE(InitStorageEngine(c.parameters, message));
        EXPECT_EQ(engine::LockingMode(), c.mode);
        EXPECT_EQ(message, "");
        engine::ExitIsam();
    }
}

TEST_F(StorageStartTest, FailureMessage) {
    ASSERT_EQ(engine::InitIsam(0, 8), 8);
    std::string message;
    EXPECT_FALSE(InitStorageEngine({}, message));
    const std::string expected = Windows1252FromUtf8(
        "IsamDosError:   0 IsamError: 10450 IsamErrorClass:  4"
        "Ej tillräckligt minne vid initiering av BTREE!"
        "eller, Fel nätverk. Kan endast köras lokalt!"
        "eller, Arbetsstat");
    EXPECT_EQ(message.size(), 160u);
    EXPECT_EQ(message, expected);
}

TEST_F(StorageStartTest, FailureMessageWithShortNumbers) {
    detail::ClearStatus();
    detail::RecordDosFailure(0x6C00, 5);
    detail::SetIsamError(42);
    const std::string message = StartFailureMessage();
    EXPECT_EQ(message.substr(0, 54), "IsamDosError:   5 IsamError:  42 IsamErrorClass:  4Ej ");
    EXPECT_EQ(message.size(), 160u);
}

}  // namespace
}  // namespace oltoma::storage
