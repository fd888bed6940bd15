// Records of the data file: allocation, the free list, and the checks of
// the record operations.
#include <gtest/gtest.h>

#include <functional>

#include "storage/access_layer.h"
#include "storage/internal/isam_engine.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::Int32At;
using testing::LiveRecord;
using testing::PutInt32;
using testing::ReadFile;
using testing::WriteFile;

constexpr int kLength = 24;

class DataFileTest : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        CreateFileBlock("REC", kLength, 0, {});
        ASSERT_TRUE(IsamSucceeded());
        OpenFileBlock(block_, "REC");
        ASSERT_TRUE(IsamSucceeded());
    }

    std::int32_t Add(std::string_view text) {
        const std::string record = LiveRecord(kLength, text);
        return AddRec(block_, record.data());
    }

    std::string Get(std::int32_t number) {
        std::string record(kLength, '\0');
        GetRec(block_, number, record.data());
        return record;
    }

    FileBlock* block_ = nullptr;
};

TEST_F(DataFileTest, FreshFileIsOneHeaderSlot) {
    CloseFileBlock(block_);
    std::string expected(kLength, '\0');
    PutInt32(expected, 0, -1);
    PutInt32(expected, 12, kLength);
    EXPECT_EQ(ReadFile("REC.DAT"), expected);
    EXPECT_EQ(ReadFile("REC.DIA"), std::string(1, '\0'));
    EXPECT_FALSE(testing::FileExists("REC.IX"));
    OpenFileBlock(block_, "REC");
    EXPECT_EQ(FileLen(block_), 1);
    EXPECT_EQ(UsedRecs(block_), 0);
}

TEST_F(DataFileTest, DeletedRecordsAreReusedLastInFirstOut) {
    EXPECT_EQ(Add("a"), 1);
    EXPECT_EQ(Add("b"), 2);
    EXPECT_EQ(Add("c"), 3);
    DeleteRec(block_, 2);
    DeleteRec(block_, 3);
    EXPECT_EQ(Int32At(Get(2), 0), -1);  // a deleted record shows its link
    EXPECT_EQ(Int32At(Get(3), 0), 2);
    EXPECT_EQ(Get(3).substr(4, 1), "c");  // and keeps its other bytes
    EXPECT_EQ(FileLen(block_), 4);
    EXPECT_EQ(UsedRecs(block_), 1);
    EXPECT_EQ(Add("d"), 3);
    EXPECT_EQ(Add("e"), 2);
    EXPECT_EQ(Add("f"), 4);
    EXPECT_EQ(Get(2), LiveRecord(kLength, "e"));
    const std::string replaced = LiveRecord(kLength, "g");
    PutRec(block_, 4, replaced.data());
    ASSERT_TRUE(IsamSucceeded());
    CloseFileBlock(block_);
    const std::string data = ReadFile("REC.DAT");
    EXPECT_EQ(data.size(), 5u * kLength);
    EXPECT_EQ(data.substr(4 * kLength), replaced);
    EXPECT_EQ(Int32At(data, 0), -1);
    EXPECT_EQ(Int32At(data, 8), 4);
}

TEST_F(DataFileTest, RecordNumberChecks) {
    Add("a");
    struct Case {
        const char* what;
        std::function<void()> call;
        int code;
    } cases[] = {
        {"DeleteRec 0", [&] { DeleteRec(block_, 0); }, 10135},
        {"DeleteRec SlotCount + 1", [&] { DeleteRec(block_, 2); }, 10135},
        {"PutRec 0", [&] { PutRec(block_, 0, LiveRecord(kLength, "").data()); }, 10130},
        {"GetRec beyond the file", [&] { Get(5); }, 10070},
    };
    for (const Case& c : cases) {
        c.call();
        EXPECT_EQ(IsamError(), c.code) << c.what;
    }
    EXPECT_EQ(UsedRecs(block_), 1);
}

TEST_F(DataFileTest, CorruptFreeLinkFailsWithoutChange) {
    for (const std::int32_t link : {0, 9, -7}) {
        Add("a");
        Add("b");
        DeleteRec(block_, 2);
        CloseFileBlock(block_);
        std::string data = ReadFile("REC.DAT");
        PutInt32(data, 2 * kLength, link);
        WriteFile("REC.DAT", data);
        OpenFileBlock(block_, "REC");
        EXPECT_EQ(AddRec(block_, LiveRecord(kLength, "c").data()), 0);
        EXPECT_EQ(IsamError(), IsamCode::kBadFreeLink) << link;
        CloseFileBlock(block_);
        EXPECT_EQ(ReadFile("REC.DAT"), data) << link;
        CreateFileBlock("REC", kLength, 0, {});
        OpenFileBlock(block_, "REC");
    }
}

}  // namespace
}  // namespace oltoma::storage
