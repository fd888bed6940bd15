// B-tree indexes through the access layer: page splits, redistribution,
// merges, duplicates, scanning and the key order. The shapes do not depend
// on the disk: the tests run on the fault-seam variant of the engine with
// syncs skipped (the file-primitive tests keep the real syncs).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::ReadImage;

std::string Key(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "K%03d", n);
    return text;
}

class BTreeTest : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
        const IndexDescriptor keys[] = {{10, false}, {10, true}};
        CreateFileBlock("IDX", 32, 2, keys);
        OpenFileBlock(block_, "IDX");
        ASSERT_TRUE(IsamSucceeded());
    }

    void AddAll(int first, int last, int keyNumber = 1) {
        for (int n = first; n <= last; ++n) {
            AddKey(block_, keyNumber, n + 1, Key(n));
            ASSERT_TRUE(IsamSucceeded()) << n << " " << IsamError();
        }
    }

    // Item counts of the tree pages of key 1, by page number.
    std::map<std::int32_t, int> PageFill() {
        CloseFileBlock(block_);
        std::map<std::int32_t, int> fill;
        const testing::FileBlockImage image = ReadImage("IDX");
        for (const auto& [page, slot] : image.keys[0].treePages) {
            fill[page] = static_cast<unsigned char>(slot[0]);
        }
        OpenFileBlock(block_, "IDX");
        return fill;
    }

    std::vector<std::pair<std::string, std::int32_t>> Scan(int keyNumber) {
        std::vector<std::pair<std::string, std::int32_t>> entries;
        ClearKey(block_, keyNumber);
        IsamKeyStr key;
        std::int32_t record = 0;
        for (NextKey(block_, keyNumber, key, record); IsamSucceeded();
             NextKey(block_, keyNumber, key, record)) {
            entries.emplace_back(key.str(), record);
        }
        EXPECT_EQ(IsamError(), IsamCode::kNoNextKey);
        return entries;
    }

    FileBlock* block_ = nullptr;
};

TEST_F(BTreeTest, RootSplitsAtTheSixtyThirdEntry) {
    AddAll(0, 61);
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 62}}));
    AddAll(62, 62);
    // The old root keeps 31, the new page 2 takes 31, the new root 3 one.
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 31}, {2, 31}, {3, 1}}));
    const auto image = ReadImage("IDX").keys[0];
    EXPECT_EQ(image.rootPage, 3);
    EXPECT_EQ(image.pageCount, 3);
    EXPECT_EQ(image.entryCount, 63);
    EXPECT_EQ(image.entries[31].first, Key(31));
}

TEST_F(BTreeTest, FullLeafSharesWithASiblingThatHasRoom) {
    AddAll(0, 62);
    // Fill the left leaf (keys below K031) to 62 items, then one more.
    for (int n = 0; n < 31; ++n) {
        AddKey(block_, 1, 100 + n, Key(n) + "x");
        ASSERT_TRUE(IsamSucceeded());
    }
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 62}, {2, 31}, {3, 1}}));
    AddKey(block_, 1, 200, Key(30) + "y");
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 47}, {2, 47}, {3, 1}}));
    EXPECT_EQ(Scan(1).size(), 95u);
}

TEST_F(BTreeTest, UnderfullLeafMergesAndTheRootCollapses) {
    AddAll(0, 62);
    DeleteKey(block_, 1, 1, Key(0));
    ASSERT_TRUE(IsamSucceeded());
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 62}}));
    const auto image = ReadImage("IDX").keys[0];
    EXPECT_EQ(image.rootPage, 1);
    EXPECT_EQ(image.freePages, (std::vector<std::int32_t>{3, 2}));
    EXPECT_EQ(image.freeCount, 2);
    // Freed pages are taken again before the file grows.
    AddAll(100, 101);
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 31}, {2, 1}, {3, 32}}));
}

TEST_F(BTreeTest, UnderfullLeafBorrowsFromARicherSibling) {
    AddAll(0, 63);  // leaves of 31 and 32 items
    DeleteKey(block_, 1, 1, Key(0));
    EXPECT_EQ(PageFill(), (std::map<std::int32_t, int>{{1, 31}, {2, 31}, {3, 1}}));
    EXPECT_EQ(Scan(1).front().first, Key(1));
}

TEST_F(BTreeTest, DeletingTheOnlyEntryFreesTheRoot) {
    AddKey(block_, 1, 5, "ONLY");
    DeleteKey(block_, 1, 99, "ONLY");  // without duplicates the record number is not compared
    ASSERT_TRUE(IsamSucceeded());
    CloseFileBlock(block_);
    const auto image = ReadImage("IDX").keys[0];
    EXPECT_EQ(image.rootPage, 0);
    EXPECT_EQ(image.freePages, std::vector<std::int32_t>{1});
    EXPECT_EQ(image.entryCount, 0);
}

TEST_F(BTreeTest, DuplicatesAreOrderedByRecordNumber) {
    AddKey(block_, 2, 7, "SAME");
    AddKey(block_, 2, 3, "SAME");
    AddKey(block_, 2, 5, "SAMEX");
    AddKey(block_, 2, 3, "SAME");
    EXPECT_EQ(IsamError(), IsamCode::kKeyExists);
    EXPECT_EQ(FindKey(block_, 2, "SAME"), 3);
    IsamKeyStr key("SAMD");
    EXPECT_EQ(SearchKey(block_, 2, key), 3);
    EXPECT_EQ(key.str(), "SAME");
    EXPECT_EQ(FindKey(block_, 2, "SAM"), 0);  // a prefix is not the key
    EXPECT_EQ(IsamError(), IsamCode::kFindKeyNotFound);
    DeleteKey(block_, 2, 9, "SAME");
    EXPECT_EQ(IsamError(), IsamCode::kDeleteKeyNotFound);
    DeleteKey(block_, 2, 3, "SAME");
    EXPECT_EQ(FindKey(block_, 2, "SAME"), 7);
}

TEST_F(BTreeTest, KeyChecksAndNotFoundCodes) {
    AddKey(block_, 1, 1, "ABCDEFGHIJK");
    EXPECT_EQ(IsamError(), IsamCode::kKeyTooLong);
    AddKey(block_, 1, 1, "ABC");
    AddKey(block_, 1, 2, "ABC");
    EXPECT_EQ(IsamError(), IsamCode::kKeyExists);
    for (const int keyNumber : {0, 3}) {
        AddKey(block_, keyNumber, 1, "A");
        EXPECT_EQ(IsamError(), IsamCode::kBadKeyNumber);
    }
    EXPECT_EQ(FindKey(block_, 1, "ABD"), 0);
    EXPECT_EQ(IsamError(), IsamCode::kFindKeyNotFound);
    IsamKeyStr key("ABD");
    EXPECT_EQ(SearchKey(block_, 1, key), 0);
    EXPECT_EQ(IsamError(), IsamCode::kSearchKeyNotFound);
    EXPECT_EQ(key.str(), "ABD");
}

TEST_F(BTreeTest, ScanningWrapsAndFollowsSearches) {
    AddAll(0, 199);
    IsamKeyStr key;
    std::int32_t record = 0;
    ClearKey(block_, 1);
    NextKey(block_, 1, key, record);
    EXPECT_EQ(key.str(), Key(0));
    key = Key(150);
    EXPECT_EQ(SearchKey(block_, 1, key), 151);
    NextKey(block_, 1, key, record);
    EXPECT_EQ(key.str(), Key(151));
    EXPECT_EQ(FindKey(block_, 1, Key(199)), 200);
    NextKey(block_, 1, key, record);
    EXPECT_EQ(IsamError(), IsamCode::kNoNextKey);
    NextKey(block_, 1, key, record);
    EXPECT_EQ(key.str(), Key(0));
    // After DeleteKey of the entry just returned, the scan goes on behind it.
    key = Key(90);
    SearchKey(block_, 1, key);
    NextKey(block_, 1, key, record);
    ASSERT_EQ(key.str(), Key(91));
    DeleteKey(block_, 1, record, key);
    NextKey(block_, 1, key, record);
    EXPECT_EQ(key.str(), Key(92));
    // A failed FindKey leaves the position where the key would be.
    FindKey(block_, 1, Key(120) + "a");
    NextKey(block_, 1, key, record);
    EXPECT_EQ(key.str(), Key(121));
    EXPECT_EQ(Scan(1).size(), 199u);
}

// Keys sort by the Unicode code points of their Windows-1252 bytes; the
// bytes the code page leaves undefined count as the C1 controls.
TEST_F(BTreeTest, KeysSortByCodePoint) {
    const std::vector<std::string> ordered = {
        "A",    "AB",   "ABC",  "a",    "\x81", "\x8D", "\x8F", "\x90",
        "\x9D", "\xC5", "\xE5", "\xFF", "\x8A", "\x9F", "\x83", "\x80",
    };
    std::vector<std::string> shuffled = ordered;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (std::size_t i = 0; i < shuffled.size(); ++i) {
        AddKey(block_, 1, static_cast<std::int32_t>(i + 1), shuffled[i]);
    }
    std::vector<std::string> scanned;
    for (const auto& entry : Scan(1)) {
        scanned.push_back(entry.first);
    }
    EXPECT_EQ(scanned, ordered);
}

}  // namespace
}  // namespace oltoma::storage
