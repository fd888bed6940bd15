// Corrupt and hostile files: opening fails with the engine's codes, or the
// damage is contained (operations fail with a code, the structural check
// reports it); nothing reads or writes out of bounds or loops forever.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "case_names.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::PutInt32;
using testing::PutUInt16;

constexpr int kLength = 24;
constexpr std::size_t kKey1Bytes = 62 * 15 + 6;  // KeyLen 6
constexpr std::size_t kRowBytes = kKey1Bytes + 62 * 13 + 6;

std::size_t PageOfKey1(int page) {
    return static_cast<std::size_t>(page) * kRowBytes;
}

struct HostileCase {
    const char* what;
    std::function<void(std::string& data, std::string& index)> damage;
    int openCode;
    int scanCode;         // the code that ends a scan of key 1
    const char* problem;  // part of a problem the check reports, or ""
};

class HostileFilesTest : public testing::StorageTest,
                         public ::testing::WithParamInterface<HostileCase> {
protected:
    int PageBuffers() const override { return 8; }
    void TearDown() override {
        fault::Reset();
        StorageTest::TearDown();
    }

    // 10 records (4 and 5 deleted); key 1 holds 70 entries in pages 1 and 2
    // under root 3, key 2 a few duplicates.
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
        const IndexDescriptor keys[] = {{6, false}, {4, true}};
        CreateFileBlock("HOST", kLength, 2, keys);
        FileBlock* block = nullptr;
        OpenFileBlock(block, "HOST");
        for (int n = 1; n <= 10; ++n) {
            AddRec(block, testing::LiveRecord(kLength, "r").data());
        }
        DeleteRec(block, 4);
        DeleteRec(block, 5);
        for (int n = 0; n < 70; ++n) {
            char key[8];
            std::snprintf(key, sizeof key, "K%03d", n);
            AddKey(block, 1, n + 1, key);
            AddKey(block, 2, n + 1, n % 2 == 0 ? "EVEN" : "ODD");
        }
        ASSERT_TRUE(IsamSucceeded());
        CloseFileBlock(block);
    }
};

class HostileFreeCounts : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
    }
    void TearDown() override {
        fault::Reset();
        StorageTest::TearDown();
    }
};

TEST_P(HostileFilesTest, DamageIsReportedOrContained) {
    const HostileCase& c = GetParam();
    std::string data = testing::ReadFile("HOST.DAT");
    std::string index = testing::ReadFile("HOST.IX");
    c.damage(data, index);
    testing::WriteFile("HOST.DAT", data);
    testing::WriteFile("HOST.IX", index);

    FileBlock* block = nullptr;
    OpenFileBlock(block, "HOST");
    ASSERT_EQ(IsamError(), c.openCode) << c.what;
    if (block == nullptr) {
        // Opened for reading, the files can still be inspected.
        bool pending = false;
        engine::OpenFileBlockForReading(block, "HOST", pending);
        if (block != nullptr) {
            CheckFileBlockStructure(block);
            CloseFileBlock(block);
        }
        return;
    }
    ClearKey(block, 1);
    IsamKeyStr key;
    std::int32_t record = 0;
    int steps = 0;
    for (NextKey(block, 1, key, record); IsamSucceeded() && steps < 1000;
         NextKey(block, 1, key, record)) {
        ++steps;
    }
    EXPECT_EQ(IsamError(), c.scanCode) << c.what;
    const std::vector<std::string> problems = CheckFileBlockStructure(block);
    if (*c.problem == '\0') {
        EXPECT_TRUE(problems.empty()) << c.what << ": " << problems.front();
    } else {
        const bool reported = std::any_of(problems.begin(), problems.end(), [&](const auto& p) {
            return p.find(c.problem) != std::string::npos;
        });
        EXPECT_TRUE(reported) << c.what << ": " << (problems.empty() ? "none" : problems.front());
    }
    // Whatever the damage, the operations end with a code.
    for (int n = 0; n < 60; ++n) {
        char text[8];
        std::snprintf(text, sizeof text, "N%03d", n);
        AddKey(block, 1, 100 + n, text);
        AddKey(block, 2, 100 + n, "EVEN");
        DeleteKey(block, 1, 0, text);
        DeleteKey(block, 2, 2 * n + 1, "EVEN");
        AddRec(block, testing::LiveRecord(kLength, "x").data());
        DeleteRec(block, 1 + n % 10);
    }
    FindKey(block, 1, "K050");
    CheckFileBlockStructure(block);
    CloseFileBlock(block);
    EXPECT_TRUE(IsamSucceeded());
}

// A damaged free count at the end of its range fails the operation that
// would take it past the end and changes nothing.
TEST_F(HostileFreeCounts, AtTheEndOfTheirRangeFailCleanly) {
    const struct {
        const char* what;
        std::int32_t freeHead;
        std::int32_t freeCount;
        bool deleting;  // DeleteRec (the count grows), else AddRec (it shrinks)
        int code;
    } cases[] = {
        {"largest count, record deleted", -1, 0x7FFFFFFF, true, IsamCode::kBadFreeLink},
        {"smallest count, record taken from the free list", 2, -0x7FFFFFFF - 1, false,
         IsamCode::kAddRecRolledBack},
    };
    for (const auto& c : cases) {
        const IndexDescriptor keys[] = {{6, false}};
        CreateFileBlock("FREE", kLength, 1, keys);
        FileBlock* block = nullptr;
        OpenFileBlock(block, "FREE");
        for (int n = 1; n <= 3; ++n) {
            AddRec(block, testing::LiveRecord(kLength, "r").data());
        }
        DeleteRec(block, 2);
        CloseFileBlock(block);
        std::string data = testing::ReadFile("FREE.DAT");
        PutInt32(data, 0, c.freeHead);
        PutInt32(data, 4, c.freeCount);
        testing::WriteFile("FREE.DAT", data);

        OpenFileBlock(block, "FREE");
        ASSERT_TRUE(IsamSucceeded()) << c.what;
        if (c.deleting) {
            DeleteRec(block, 1);
        } else {
            AddRec(block, testing::LiveRecord(kLength, "x").data());
        }
        EXPECT_EQ(IsamError(), c.code) << c.what;
        CloseFileBlock(block);
        EXPECT_EQ(testing::ReadFile("FREE.DAT"), data) << c.what;
        DeleteFileBlock("FREE");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFilesTest,
                         ::testing::Values(
                             HostileCase{"sound files", [](std::string&, std::string&) {}, 0, 10250,
                                         ""},
                             HostileCase{"truncated data header",
                                         [](std::string& d, std::string&) { d.resize(15); }, 10070,
                                         0, ""},
                             HostileCase{
                                 "truncated index header",
                                 [](std::string&, std::string& i) { i.resize(kKey1Bytes + 20); },
                                 10070, 0, ""},
                             HostileCase{
                                 "KeyCount counts its low byte",
                                 [](std::string& d, std::string&) { PutInt32(d, 16, 0x7700 + 2); },
                                 0, 10250, ""},
                             HostileCase{
                                 "SlotCount at the limit",
                                 [](std::string& d, std::string&) { PutInt32(d, 8, 0x7FFFFFFF); },
                                 10060, 0, ""},
                             HostileCase{"negative SlotCount",
                                         [](std::string& d, std::string&) { PutInt32(d, 8, -5); },
                                         10060, 0, ""},
                             HostileCase{"negative PageBytes",
                                         [](std::string&, std::string& i) { PutInt32(i, 12, -56); },
                                         10121, 0, ""},
                             HostileCase{
                                 "record free list in a cycle",
                                 [](std::string& d, std::string&) { PutInt32(d, 4 * kLength, 5); },
                                 0, 10250, "cycle"},
                             HostileCase{"record free head out of range",
                                         [](std::string& d, std::string&) { PutInt32(d, 0, 99); },
                                         0, 10250, "out of range"},
                             HostileCase{"page free list in a cycle",
                                         [](std::string&, std::string& i) {
                                             PutInt32(i, 0, 4);  // FreeHead 4, FreeCount 2
                                             PutInt32(i, 4, 2);
                                             PutInt32(i, 8, 5);  // PageCount 5
                                             i.resize(6 * kRowBytes);
                                             PutInt32(i, PageOfKey1(4), 5);
                                             PutInt32(i, PageOfKey1(5), 4);
                                         },
                                         0, 10250, "cycle"},
                             HostileCase{"root with 63 items",
                                         [](std::string&, std::string& i) {
                                             PutUInt16(i, PageOfKey1(3), 63);
                                         },
                                         0, 10140, "63 items"},
                             HostileCase{"leaf with no items",
                                         [](std::string&, std::string& i) {
                                             PutUInt16(i, PageOfKey1(2), 0);
                                         },
                                         0, 10140, "0 items"},
                             HostileCase{"child pointer beyond the file",
                                         [](std::string&, std::string& i) {
                                             PutInt32(i, PageOfKey1(3) + 2, 999);
                                         },
                                         0, 10140, "out of range"},
                             HostileCase{"child pointer back up the tree",
                                         [](std::string&, std::string& i) {
                                             PutInt32(i, PageOfKey1(3) + 2, 3);
                                         },
                                         0, 10140, "reached twice"},
                             HostileCase{"root page beyond PageCount",
                                         [](std::string&, std::string& i) { PutInt32(i, 16, 40); },
                                         0, 10140, "out of range"},
                             HostileCase{
                                 "PageCount far beyond the file",
                                 [](std::string&, std::string& i) { PutInt32(i, 8, 0x7FFFFFF0); },
                                 10070, 0, ""},
                             HostileCase{
                                 "SlotCount beyond the file",
                                 [](std::string& d, std::string&) { PutInt32(d, 8, 11); }, 10070, 0,
                                 ""},
                             HostileCase{"free page beyond PageCount",
                                         [](std::string&, std::string& i) {
                                             PutInt32(i, 0, 9);
                                             PutInt32(i, 4, 1);
                                         },
                                         0, 10250, "out of range"},
                             HostileCase{"key longer than KeyLen",
                                         [](std::string&, std::string& i) {
                                             i[PageOfKey1(1) + 6 + 8] = 40;
                                         },
                                         0, 10250, "longer"},
                             HostileCase{"keys out of order",
                                         [](std::string&,
                                            std::string& i) { i[PageOfKey1(1) + 6 + 9] = 'Z'; },
                                         0, 10250, "out of order"},
                             HostileCase{"leaf and inner items mixed",
                                         [](std::string&, std::string& i) {
                                             PutInt32(i, PageOfKey1(1) + 6 + 4, 2);
                                         },
                                         0, 10250, "mixes"}),
                         [](const auto& info) {
                             return ::oltoma::testing::CaseName(info.param.what);
                         });

}  // namespace
}  // namespace oltoma::storage
