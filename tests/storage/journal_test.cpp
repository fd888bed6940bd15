// The repair journal: commit, playback of journals left behind, rollback of
// failed operations, and the outcomes that change nothing.
#include <gtest/gtest.h>

#include <cstdio>

#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::FileLength;
using testing::FirstDifference;
using testing::Int32At;
using testing::LiveRecord;
using testing::ReadFile;
using testing::ReadImage;
using testing::WriteFile;

constexpr int kLength = 32;
constexpr int kKeyLen = 10;
constexpr int kPageBytes = 62 * (kKeyLen + 9) + 6;

std::string Key(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "K%03d", n);
    return text;
}

std::string UInt16Bytes(int value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Int32Bytes(std::int32_t value) {
    std::string bytes(4, '\0');
    testing::PutInt32(bytes, 0, value);
    return bytes;
}

// A header record as the documented layout has it.
std::string HeaderRecord(int key, const std::string& header28, std::int32_t freeHeadAfter) {
    return UInt16Bytes(1000) + UInt16Bytes(key) + header28 + Int32Bytes(freeHeadAfter);
}

// A page record of a page slot of key 1 (KeyLen 10).
std::string PageRecord(std::int32_t page, const std::string& slot) {
    const int count =
        static_cast<unsigned char>(slot[0]) | (static_cast<unsigned char>(slot[1]) << 8);
    const std::int32_t left = Int32At(slot, 2);
    return UInt16Bytes(count) + UInt16Bytes(1) + UInt16Bytes((left >> 16) & 0xFFFF) +
           slot.substr(6, static_cast<std::size_t>(count) * (kKeyLen + 9)) + Int32Bytes(page) +
           Int32Bytes(left);
}

class JournalTest : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
        const IndexDescriptor keys[] = {{kKeyLen, false}};
        CreateFileBlock("JNL", kLength, 1, keys);
        Open();
    }

    void Open() {
        OpenFileBlock(block_, "JNL");
        ASSERT_TRUE(IsamSucceeded()) << IsamError();
    }

    void Close() {
        CloseFileBlock(block_);
        ASSERT_TRUE(IsamSucceeded());
    }

    void AddEntries(int first, int last) {
        for (int n = first; n <= last; ++n) {
            AddKey(block_, 1, n + 1, Key(n));
            ASSERT_TRUE(IsamSucceeded()) << IsamError();
        }
    }

    std::int32_t Add(std::string_view text) {
        return AddRec(block_, LiveRecord(kLength, text).data());
    }

    // Simulates a crash at the n-th write of `operation`, then starts the
    // engine again.
    template <typename Operation>
    void CrashDuring(long n, fault::CrashKind kind, Operation operation) {
        fault::CrashAtWrite(n, kind);
        operation();
        ASSERT_TRUE(fault::Crashed());
        engine::ExitIsam();
        block_ = nullptr;
        fault::Restart();
        ASSERT_EQ(engine::InitIsam(0, 8), 8);
    }

    FileBlock* block_ = nullptr;
};

// A fileblock just created is on the disk, names and bytes, when the machine
// dies right after: its files are synced and then its folder.
TEST_F(JournalTest, NewFileBlockSurvivesAMachineCrash) {
    Close();
    const std::string dataBefore = ReadFile("JNL.DAT");
    const std::string indexBefore = ReadFile("JNL.IX");
    for (const fault::CrashKind kind :
         {fault::CrashKind::LoseUnsynced, fault::CrashKind::ZeroUnsyncedAppends}) {
        const IndexDescriptor keys[] = {{kKeyLen, false}};
        CreateFileBlock("NEW", kLength, 1, keys);
        ASSERT_TRUE(IsamSucceeded()) << IsamError();
        fault::CrashAtWrite(1, kind);
        CreateFileBlock("LATER", kLength, 1, keys);  // the machine dies at its first write
        ASSERT_TRUE(fault::Crashed());
        engine::ExitIsam();
        fault::Restart();
        ASSERT_EQ(engine::InitIsam(0, 8), 8);
        EXPECT_EQ(ReadFile("NEW.DAT"), dataBefore);
        EXPECT_EQ(ReadFile("NEW.IX"), indexBefore);
        DeleteFileBlock("NEW");
    }
}

TEST_F(JournalTest, EveryOperationCommitsToOneByte) {
    const std::string empty(1, '\0');
    const std::function<void()> operations[] = {
        [&] { Add("a"); },
        [&] { Add("b"); },
        [&] { DeleteRec(block_, 1); },
        [&] { AddEntries(0, 70); },
        [&] { DeleteKey(block_, 1, 1, Key(5)); },
    };
    for (const auto& operation : operations) {
        operation();
        ASSERT_TRUE(IsamSucceeded());
        EXPECT_EQ(ReadFile("JNL.DIA"), empty);
    }
    const long writes = fault::Writes();
    const long flushes = fault::Flushes();
    PutRec(block_, 2, LiveRecord(kLength, "c").data());
    EXPECT_TRUE(IsamSucceeded());
    EXPECT_EQ(fault::Writes(), writes + 1);  // the record only
    EXPECT_EQ(fault::Flushes(), flushes);
}

TEST_F(JournalTest, LeftJournalIsPlayedBackAtOpen) {
    AddEntries(0, 62);
    Close();
    const auto before = ReadImage("JNL");
    std::string index = ReadFile("JNL.IX");
    const std::size_t row = kPageBytes;
    // An interrupted AddKey: header and pages 1 and 2 logged, then changed.
    const std::string journal = std::string(1, '\0') + HeaderRecord(1, index.substr(0, 28), -2) +
                                PageRecord(1, index.substr(row, kPageBytes)) +
                                PageRecord(2, index.substr(2 * row, kPageBytes));
    WriteFile("JNL.DIA", journal);
    testing::PutInt32(index, 22, 999);       // EntryCount
    testing::PutInt32(index, 8, 7);          // PageCount
    index.replace(row + 6, 40, 40, 'Z');     // page 1 items
    testing::PutUInt16(index, 2 * row, 62);  // page 2 item count
    WriteFile("JNL.IX", index);
    Open();
    EXPECT_EQ(FileLength("JNL.DIA"), 1);
    Close();
    EXPECT_EQ(FirstDifference(before, ReadImage("JNL")), "");
}

TEST_F(JournalTest, BadJournalsFailOrEndThePlayback) {
    Add("a");
    Close();
    const std::string data = ReadFile("JNL.DAT");
    std::string header = data.substr(0, 21) + std::string(7, '\0');
    const struct {
        const char* what;
        std::string records;
        int code;
    } cases[] = {
        {"unknown code 500", UInt16Bytes(500) + std::string(40, '\0'), 10180},
        {"key number beyond KeyCount", UInt16Bytes(1000) + UInt16Bytes(2) + std::string(32, '\0'),
         10180},
        {"page record for the data file", UInt16Bytes(1) + UInt16Bytes(0) + std::string(30, '\0'),
         10180},
        {"relink outside the records", HeaderRecord(0, Int32Bytes(9) + header.substr(4), 3), 10180},
        {"truncated record", HeaderRecord(0, header, -2).substr(0, 30), 0},
        {"end code", UInt16Bytes(2000) + UInt16Bytes(500), 0},
        // An append whose sync a crash cut off comes back as zeros.
        {"zeros only", std::string(300, '\0'), 0},
        {"zeros after a whole record", HeaderRecord(0, header, -2) + std::string(50, '\0'), 0},
        {"zeros with a byte set", std::string(30, '\0') + "x" + std::string(9, '\0'), 10180},
    };
    for (const auto& c : cases) {
        WriteFile("JNL.DIA", std::string(1, '\0') + c.records);
        OpenFileBlock(block_, "JNL");
        EXPECT_EQ(IsamError(), c.code) << c.what;
        if (block_ != nullptr) {
            EXPECT_EQ(FileLength("JNL.DIA"), 1) << c.what;
            Close();
        }
        EXPECT_EQ(ReadFile("JNL.DAT"), data) << c.what;
    }
}

TEST_F(JournalTest, FailedWriteOfAReusedRecordKeepsTheFreeList) {
    Add("a");
    Add("b");
    Add("c");
    DeleteRec(block_, 3);
    DeleteRec(block_, 2);
    Close();
    const auto before = ReadImage("JNL");
    Open();
    fault::FailWriteAt(2);  // the journal goes first, then the record
    EXPECT_EQ(Add("d"), 0);
    EXPECT_EQ(IsamError(), IsamCode::kAddRecRolledBack);
    Close();
    EXPECT_EQ(FirstDifference(before, ReadImage("JNL")), "");
    EXPECT_EQ(before.freeRecords, (std::vector<std::int32_t>{2, 3}));
}

// A root split that takes both of its pages from the free list is undone
// whichever write fails, also with evictions on an 8-buffer cache.
TEST_F(JournalTest, RootSplitTakingTwoFreePagesIsUndone) {
    AddEntries(0, 62);
    DeleteKey(block_, 1, 1, Key(0));  // merge and root collapse free pages 2 and 3
    Close();
    engine::ExitIsam();
    ASSERT_EQ(engine::InitIsam(0, 8), 8);
    const auto start = testing::TakeSnapshot("JNL");
    const auto before = ReadImage("JNL");
    ASSERT_EQ(before.keys[0].freePages, (std::vector<std::int32_t>{3, 2}));
    Open();
    const long writesBefore = fault::Writes();
    AddKey(block_, 1, 200, "K200");
    ASSERT_TRUE(IsamSucceeded());
    const long writes = fault::Writes() - writesBefore;
    Close();
    const auto after = ReadImage("JNL");
    ASSERT_EQ(after.keys[0].freePages, std::vector<std::int32_t>{});
    for (long n = 1; n <= writes; ++n) {
        testing::RestoreSnapshot("JNL", start);
        Open();
        fault::FailWriteAt(n);
        AddKey(block_, 1, 200, "K200");
        EXPECT_EQ(IsamError(), IsamCode::kAddKeyRolledBack) << n;
        Close();
        EXPECT_EQ(FirstDifference(before, ReadImage("JNL")), "") << n;
    }
}

TEST_F(JournalTest, OrdinaryOutcomesWriteNothing) {
    AddEntries(0, 80);
    const std::string journal = ReadFile("JNL.DIA");
    const long writes = fault::Writes();
    const struct {
        const char* what;
        std::function<void()> call;
        int code;
    } cases[] = {
        {"duplicate", [&] { AddKey(block_, 1, 500, Key(7)); }, 10230},
        {"too long", [&] { AddKey(block_, 1, 500, "ELEVEN CHAR"); }, 10125},
        {"not found", [&] { DeleteKey(block_, 1, 1, "NONE"); }, 10220},
    };
    for (const auto& c : cases) {
        c.call();
        EXPECT_EQ(IsamError(), c.code) << c.what;
        EXPECT_EQ(fault::Writes(), writes) << c.what;
        EXPECT_EQ(ReadFile("JNL.DIA"), journal) << c.what;
    }
}

// A failed sync is not retried and nothing is played back at once: the
// operation reports the flush's failure, the fileblock refuses changes but
// still reads, and the next open's playback decides what stands.
TEST_F(JournalTest, FailedSyncStopsChangesUntilTheNextOpen) {
    Add("a");
    // AddRec syncs the journal, the data file, then the cut journal.
    const struct {
        long flush;
        std::int32_t slotsAfterReopen;
    } cases[] = {{1, 2}, {2, 2}, {3, 3}};
    for (const auto& c : cases) {
        const std::int32_t slots = FileLen(block_);
        fault::FailFlushAt(c.flush);
        EXPECT_EQ(Add("b"), 0) << "flush " << c.flush;
        EXPECT_EQ(IsamError(), IsamCode::kSystemError);
        EXPECT_EQ(IsamDosFunction(), 0x6800);
        EXPECT_EQ(IsamDosError(), 29);
        EXPECT_EQ(FileLen(block_), slots);
        DeleteRec(block_, 1);
        EXPECT_EQ(IsamError(), IsamCode::kSystemError) << "changes are refused";
        EXPECT_EQ(IsamDosFunction(), 0x6800);
        Close();
        Open();
        EXPECT_EQ(FileLen(block_) - slots + 2, c.slotsAfterReopen) << "flush " << c.flush;
        EXPECT_GT(Add("c"), 0) << "reopened, it takes changes again";
    }
}

TEST_F(JournalTest, InterruptedDeleteRecLeavesALeakedSlot) {
    Add("a");
    Add("b");
    // DeleteRec writes the journal, the link, then the header.
    CrashDuring(3, fault::CrashKind::KeepWrites, [&] { DeleteRec(block_, 1); });
    Open();
    EXPECT_EQ(UsedRecs(block_), 2);
    const auto problems = CheckFileBlockStructure(block_);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "leaked slot: record 1 is marked deleted but not on the free list");
    EXPECT_EQ(Add("c"), 3);  // never handed out again
}

TEST_F(JournalTest, ReadingOpenReportsAPendingJournal) {
    AddEntries(0, 10);
    const auto before = ReadImage("JNL");
    CrashDuring(2, fault::CrashKind::KeepWrites, [&] { AddKey(block_, 1, 99, "NEW"); });
    const std::string journal = ReadFile("JNL.DIA");
    ASSERT_GT(journal.size(), 1u);
    bool pending = false;
    engine::OpenFileBlockForReading(block_, "JNL", pending);
    ASSERT_TRUE(IsamSucceeded());
    EXPECT_TRUE(pending);
    FileBlock* second = nullptr;
    OpenFileBlock(second, "JNL");  // held by the reading open
    EXPECT_EQ(IsamError(), IsamCode::kSystemError);
    CloseFileBlock(block_);
    EXPECT_EQ(ReadFile("JNL.DIA"), journal);
    engine::OpenFileBlock(block_, "JNL", true, false, true, false);
    EXPECT_EQ(IsamError(), IsamCode::kRollbackReadOnly);
    Open();
    Close();
    EXPECT_EQ(FirstDifference(before, ReadImage("JNL")), "");
    engine::OpenFileBlockForReading(block_, "JNL", pending);
    EXPECT_FALSE(pending);
}

// A playback makes its restored pages durable before it cuts the journal:
// losing unflushed writes later must not lose them.
TEST_F(JournalTest, PlaybackIsDurableBeforeTheCut) {
    AddEntries(0, 70);
    const auto before = ReadImage("JNL");
    CrashDuring(4, fault::CrashKind::KeepWrites, [&] { AddEntries(71, 71); });
    Open();  // plays back
    EXPECT_EQ(FileLength("JNL.DIA"), 1);
    CrashDuring(1, fault::CrashKind::LoseUnsynced, [&] { Add("x"); });
    Open();
    Close();
    EXPECT_EQ(FirstDifference(before, ReadImage("JNL")), "");
}

}  // namespace
}  // namespace oltoma::storage
