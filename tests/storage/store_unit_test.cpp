// Store units: the files they write, their syncs, their journal and how a
// failing operation undoes them. Crash safety is swept in
// crash_safety_test.cpp.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "crash_sweep.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"

namespace oltoma::storage {
namespace {

using testing::FileBlockImage;
using testing::FirstDifference;
using testing::KeyShape;
using testing::LiveRecord;
using testing::Operation;
using testing::OperationSource;
using testing::ReadFile;
using testing::ReadImage;

constexpr int kLength = 28;
// Small pages split and merge often; key 2 allows duplicates.
const std::vector<KeyShape> kKeys = {{6, false, 4}, {4, true, 5}, {8, false, 62}};

class StoreUnitTest : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
    }

    FileBlock* Make(const std::string& name) {
        testing::WriteEmptyFileBlock(name, kLength, kKeys);
        FileBlock* block = nullptr;
        OpenFileBlock(block, name);
        EXPECT_TRUE(IsamSucceeded()) << IsamError();
        return block;
    }

    static void Run(FileBlock* block, const Operation& op) {
        switch (op.kind) {
            case Operation::AddRecord:
                EXPECT_EQ(AddRec(block, LiveRecord(kLength, op.text).data()), op.record);
                break;
            case Operation::DeleteRecord:
                DeleteRec(block, op.record);
                break;
            case Operation::AddEntry:
                AddKey(block, op.key, op.record, op.text);
                break;
            case Operation::DeleteEntry:
                DeleteKey(block, op.key, op.record, op.text);
                break;
        }
        EXPECT_TRUE(IsamSucceeded()) << IsamError();
    }

    std::int32_t Add(FileBlock* block, std::string_view text) {
        return AddRec(block, LiveRecord(kLength, text).data());
    }
};

// Units of 1 to 60 operations write the data and index files byte for byte
// as the same operations one by one, through growth, free-list reuse,
// splits, merges and shrinking.
TEST_F(StoreUnitTest, FilesAreThoseOfTheOperationsOneByOne) {
    FileBlock* single = Make("SINGLE");
    FileBlock* units = Make("UNITS");
    std::mt19937 random(4711);
    OperationSource source(kKeys);
    constexpr int kSizes[] = {1, 3, 7, 60, 2, 25};
    for (int u = 0; u < 60 && !HasFailure(); ++u) {
        const auto mix = u % 12 < 5   ? OperationSource::Mix::Growing
                         : u % 12 < 9 ? OperationSource::Mix::Adding
                                      : OperationSource::Mix::Removing;
        source.BeginUnit();
        BeginStoreUnit(units);
        Operation op;
        for (int i = 0; i < kSizes[u % 6] && source.TryNext(random, mix, op); ++i) {
            Run(single, op);
            Run(units, op);
        }
        EXPECT_TRUE(CommitStoreUnit(units)) << IsamError();
    }
    CloseFileBlock(single);
    CloseFileBlock(units);
    EXPECT_EQ(ReadFile("UNITS.DAT"), ReadFile("SINGLE.DAT"));
    EXPECT_EQ(ReadFile("UNITS.IX"), ReadFile("SINGLE.IX"));
    EXPECT_EQ(ReadFile("UNITS.DIA"), std::string(1, '\0'));
}

// A unit syncs its journal, the data and index files, and the cut journal:
// four flushes (the two files together, so three waits) however many
// operations it holds; one by one a record with its key costs six.
TEST_F(StoreUnitTest, AUnitSyncsFourTimesWhateverItsSize) {
    FileBlock* block = Make("SYNC");
    const auto store = [&](int first, int count) {
        for (int i = first; i < first + count; ++i) {
            const std::string key = "K" + std::to_string(100000 + i);
            AddKey(block, 1, Add(block, key), key.substr(1));
        }
    };
    const struct {
        const char* what;
        std::function<void()> body;
        long flushes;
    } cases[] = {
        {"record and key, one by one", [&] { store(0, 1); }, 6},
        {"record and key in a unit",
         [&] {
             BeginStoreUnit(block);
             store(1, 1);
             CommitStoreUnit(block);
         },
         4},
        {"256 records and keys in a unit",
         [&] {
             BeginStoreUnit(block);
             store(2, 256);
             CommitStoreUnit(block);
         },
         4},
        {"deleting a key and its record",
         [&] {
             BeginStoreUnit(block);
             DeleteKey(block, 1, 2, "100001");
             DeleteRec(block, 2);
             CommitStoreUnit(block);
         },
         4},
        {"an empty unit",
         [&] {
             BeginStoreUnit(block);
             CommitStoreUnit(block);
         },
         0},
    };
    for (const auto& c : cases) {
        const long before = fault::Flushes();
        c.body();
        EXPECT_TRUE(IsamSucceeded()) << c.what << ": " << IsamError();
        EXPECT_EQ(fault::Flushes() - before, c.flushes) << c.what;
    }
    CloseFileBlock(block);
}

// A failing operation undoes the whole unit and reports its code; the unit
// refuses more changes until it is ended, and the fileblock is as before.
TEST_F(StoreUnitTest, AFailingOperationUndoesTheUnit) {
    FileBlock* block = Make("FAIL");
    for (int i = 1; i <= 3; ++i) {
        AddKey(block, 1, Add(block, "r"), "KEY" + std::to_string(i));
    }
    const struct {
        const char* what;
        std::function<void()> body;
        int code;
    } cases[] = {
        {"a duplicate key", [&] { AddKey(block, 1, Add(block, "new"), "KEY2"); },
         IsamCode::kKeyExists},
        {"adding back a record the unit deleted",
         [&] {
             DeleteKey(block, 1, 2, "KEY2");
             DeleteRec(block, 2);
             Add(block, "again");
         },
         IsamCode::kAddRecRolledBack},
        {"a key too long", [&] { AddKey(block, 1, Add(block, "x"), "MUCH TOO LONG"); }, 10003},
        {"a failing write at the end",
         [&] {
             AddKey(block, 1, Add(block, "x"), "KEY9");
             fault::FailWriteAt(3);
         },
         IsamCode::kAddKeyRolledBack},
    };
    for (const auto& c : cases) {
        const FileBlockImage before = ReadImage("FAIL");
        BeginStoreUnit(block);
        c.body();
        if (IsamSucceeded()) {
            EXPECT_FALSE(CommitStoreUnit(block)) << c.what;
        } else {
            Add(block, "refused");
            EXPECT_EQ(IsamError(), c.code) << c.what << ": the unit refuses changes";
            EXPECT_FALSE(CommitStoreUnit(block)) << c.what;
        }
        EXPECT_EQ(IsamError(), c.code) << c.what;
        EXPECT_EQ(FirstDifference(before, ReadImage("FAIL")), "") << c.what;
        EXPECT_EQ(UsedRecs(block), 3) << c.what;
        EXPECT_TRUE(CheckFileBlockStructure(block).empty()) << c.what;
        EXPECT_GT(Add(block, "then"), 0) << c.what << ": the fileblock takes changes again";
        DeleteRec(block, FileLen(block) - 1);
    }
    CloseFileBlock(block);
}

// Nothing of a unit reaches the files before it ends, except a PutRec of a
// record it did not add; a unit not committed is not stored.
TEST_F(StoreUnitTest, WritesWaitForTheEndOfTheUnit) {
    FileBlock* block = Make("WAIT");
    const std::int32_t old = Add(block, "old");
    const std::string data = ReadFile("WAIT.DAT");
    BeginStoreUnit(block);
    const std::int32_t added = Add(block, "added");
    AddKey(block, 1, added, "ADDED");
    PutRec(block, added, LiveRecord(kLength, "rewritten").data());
    std::string record(kLength, '\0');
    GetRec(block, added, record.data());
    EXPECT_EQ(record, LiveRecord(kLength, "rewritten"));
    EXPECT_EQ(FindKey(block, 1, "ADDED"), added);
    EXPECT_EQ(ReadFile("WAIT.DAT"), data);
    PutRec(block, old, LiveRecord(kLength, "at once").data());
    EXPECT_NE(ReadFile("WAIT.DAT"), data) << "a PutRec of an older record is written at once";
    CloseFileBlock(block);
    OpenFileBlock(block, "WAIT");
    EXPECT_EQ(UsedRecs(block), 1);
    EXPECT_EQ(FindKey(block, 1, "ADDED"), 0);
    CloseFileBlock(block);
}

// Walks a journal; false when it holds anything but header records and page
// records of key 1..3, or does not end with a header record of -2.
::testing::AssertionResult HoldsOnlyDefinedRecords(const std::string& journal,
                                                   const std::vector<int>& keyLens) {
    std::size_t at = 1;
    bool lastIsHeader = false;
    while (at + 4 <= journal.size()) {
        const int code = static_cast<unsigned char>(journal[at]) |
                         (static_cast<unsigned char>(journal[at + 1]) << 8);
        const int key = static_cast<unsigned char>(journal[at + 2]);
        if (code == 1000) {
            lastIsHeader = testing::Int32At(journal, at + 32) == -2;
            at += 36;
        } else if (code >= 1 && code <= 62 && key >= 1 && key <= 3) {
            at += static_cast<std::size_t>(code * (keyLens[key - 1] + 9) + 14);
            lastIsHeader = false;
        } else {
            return ::testing::AssertionFailure() << "code " << code << " at " << at;
        }
    }
    if (at != journal.size() || !lastIsHeader) {
        return ::testing::AssertionFailure() << "ends at " << at << " of " << journal.size();
    }
    return ::testing::AssertionSuccess();
}

// The journal a unit leaves when it stops after writing some of its results
// holds only the record kinds of the journal format, and playing it back
// restores everything, the deleted record's first bytes and the free lists
// included.
TEST_F(StoreUnitTest, ItsJournalPlaysBackWithTheRecordsOfTheFormat) {
    FileBlock* block = Make("PLAY");
    for (int i = 1; i <= 40; ++i) {
        AddKey(block, 1, Add(block, "r"), "K" + std::to_string(100 + i));
    }
    DeleteRec(block, 7);
    DeleteRec(block, 9);
    for (int i = 20; i <= 30; ++i) {
        DeleteKey(block, 1, i, "K" + std::to_string(100 + i));
    }
    CloseFileBlock(block);
    const FileBlockImage before = ReadImage("PLAY");
    OpenFileBlock(block, "PLAY");
    BeginStoreUnit(block);
    for (int i = 1; i <= 3; ++i) {
        AddKey(block, 1, Add(block, "new"), "N" + std::to_string(i));  // reuses 9 and 7
    }
    DeleteKey(block, 1, 12, "K112");
    DeleteRec(block, 12);
    for (int i = 1; i <= 11; ++i) {
        DeleteKey(block, 1, i, "K" + std::to_string(100 + i));  // merges release pages
    }
    ASSERT_TRUE(IsamSucceeded()) << IsamError();
    // The journal, then zero rows, pages, links, headers and records.
    fault::CrashAtWrite(4, fault::CrashKind::KeepWrites);
    CommitStoreUnit(block);
    ASSERT_TRUE(fault::Crashed());
    engine::ExitIsam();
    fault::Restart();
    ASSERT_EQ(engine::InitIsam(0, 8), 8);
    EXPECT_TRUE(HoldsOnlyDefinedRecords(ReadFile("PLAY.DIA"), {6, 4, 8}));
    OpenFileBlock(block, "PLAY");
    ASSERT_TRUE(IsamSucceeded()) << IsamError();
    EXPECT_TRUE(CheckFileBlockStructure(block).empty());
    CloseFileBlock(block);
    EXPECT_EQ(FirstDifference(before, ReadImage("PLAY")), "");
    EXPECT_EQ(testing::Int32At(ReadImage("PLAY").liveRecords[12], 0), 0);
}

}  // namespace
}  // namespace oltoma::storage
