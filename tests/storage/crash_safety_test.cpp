// Crash safety: over a long mixed sequence of AddRec, DeleteRec, AddKey and
// DeleteKey on a fileblock with three keys (small pages, so splits, merges,
// free-list reuse and cache evictions on the 8-buffer pool are frequent),
// every write of every operation is made to fail, or the process or the
// machine crashes at it, and every flush is made to fail. Afterwards the
// files must hold the state before the operation (a failure, or a crash and
// the playback at the next open) or the state after it (only when the flush
// after the commit failed), with no structural problem except the leaked
// slot an interrupted DeleteRec may leave. A crash during that playback is
// tried as well.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>

#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::FileBlockImage;
using testing::FileSnapshot;
using testing::FirstDifference;

constexpr const char* kName = "CRASH";
constexpr int kLength = 28;
// Keys of the mixed sequence; the deep tree has one key of pages of two items.
const std::vector<testing::KeyShape> kMixedKeys = {{6, false, 4}, {4, true, 5}, {8, false, 8}};
const std::vector<testing::KeyShape> kDeepKeys = {{6, false, 2}};

struct Operation {
    enum Kind { AddRecord, DeleteRecord, AddEntry, DeleteEntry } kind = AddRecord;
    std::int32_t record = 0;
    int key = 0;
    std::string text;

    int RollbackCode() const {
        static const int kCodes[] = {10001, 10002, 10003, 10004};
        return kCodes[kind];
    }
};

// Chooses operations that succeed on the current state.
class OperationSource {
public:
    explicit OperationSource(std::vector<testing::KeyShape> keys)
        : keys_(std::move(keys)), entries_(keys_.size()) {}

    enum class Mix { Growing, Shrinking, DeepKey, ThinDeepKey };

    Operation Next(std::mt19937& random, Mix mix) {
        // Weights of AddRec, DeleteRec, AddKey and DeleteKey.
        static const int kWeights[][4] = {{3, 1, 5, 1}, {1, 2, 2, 4}, {1, 0, 6, 3}, {0, 0, 1, 9}};
        const int* weights = kWeights[static_cast<int>(mix)];
        std::discrete_distribution<int> choose(weights, weights + 4);
        deepKeyOnly_ = mix == Mix::DeepKey || mix == Mix::ThinDeepKey;
        for (;;) {
            Operation op;
            op.kind = static_cast<Operation::Kind>(choose(random));
            if (op.kind == Operation::AddRecord) {
                op.text = RandomText(random, 10);
                op.record = freeList_.empty() ? ++slotCount_ : PopFree();
                live_.insert(op.record);
                return op;
            }
            if (op.kind == Operation::DeleteRecord && !live_.empty()) {
                op.record = Pick(live_, random);
                live_.erase(op.record);
                freeList_.push_back(op.record);
                return op;
            }
            // Key 1 gets half the key operations and mostly ascending keys,
            // which pack its small pages full: splits then run up the tree
            // and an operation touches more pages than the cache holds.
            op.key = deepKeyOnly_ || random() % 2 == 0
                         ? 1
                         : static_cast<int>(random() % keys_.size()) + 1;
            auto& entries = entries_[op.key - 1];
            if (op.kind == Operation::AddEntry && !live_.empty()) {
                op.text = op.key == 1 && random() % 8 != 0
                              ? NextAscending()
                              : RandomText(random, keys_[op.key - 1].keyLen);
                op.record = Pick(live_, random);
                const std::string identity = keys_[op.key - 1].duplicates
                                                 ? op.text + "#" + std::to_string(op.record)
                                                 : op.text;
                if (entries.insert({identity, {op.text, op.record}}).second) {
                    return op;
                }
            }
            if (op.kind == Operation::DeleteEntry && !entries.empty()) {
                auto it = entries.begin();
                std::advance(it, random() % entries.size());
                op.text = it->second.first;
                op.record = it->second.second;
                entries.erase(it);
                return op;
            }
        }
    }

private:
    std::string NextAscending() {
        char text[16];
        std::snprintf(text, sizeof text, "E%04d", ++ascending_);
        return text;
    }
    static std::string RandomText(std::mt19937& random, int longest) {
        static const char kAlphabet[] = "ABCDEFGH\x8F\x90\xC5";
        std::string text;
        const int length = 1 + static_cast<int>(random() % longest);
        for (int i = 0; i < length; ++i) {
            text += kAlphabet[random() % (sizeof kAlphabet - 1)];
        }
        return text;
    }
    static std::int32_t Pick(const std::set<std::int32_t>& set, std::mt19937& random) {
        auto it = set.begin();
        std::advance(it, random() % set.size());
        return *it;
    }
    std::int32_t PopFree() {
        const std::int32_t record = freeList_.back();
        freeList_.pop_back();
        return record;
    }

    std::int32_t slotCount_ = 0;
    int ascending_ = 0;
    bool deepKeyOnly_ = false;
    std::vector<std::int32_t> freeList_;
    std::set<std::int32_t> live_;
    std::vector<testing::KeyShape> keys_;
    std::vector<std::map<std::string, std::pair<std::string, std::int32_t>>> entries_;
};

class CrashSafetyTest : public testing::StorageTest {
protected:
    int PageBuffers() const override { return 8; }

    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
        testing::WriteFile(std::string(kName) + ".DIA", std::string(1, '\0'));
    }

    void MakeFileBlock(const std::vector<testing::KeyShape>& keys) {
        testing::WriteEmptyFileBlock(kName, kLength, keys);
    }

    bool Open() {
        OpenFileBlock(block_, kName);
        EXPECT_TRUE(IsamSucceeded()) << "open: " << IsamError();
        return IsamSucceeded();
    }

    void Close() {
        CloseFileBlock(block_);
        EXPECT_TRUE(IsamSucceeded()) << "close: " << IsamError();
    }

    void Run(const Operation& op) {
        switch (op.kind) {
            case Operation::AddRecord:
                AddRec(block_, testing::LiveRecord(kLength, op.text).data());
                break;
            case Operation::DeleteRecord:
                DeleteRec(block_, op.record);
                break;
            case Operation::AddEntry:
                AddKey(block_, op.key, op.record, op.text);
                break;
            case Operation::DeleteEntry:
                DeleteKey(block_, op.key, op.record, op.text);
                break;
        }
    }

    // Abandons the engine as a crash would (later writes are dropped), then
    // starts it again.
    void CrashAndRestart() {
        engine::ExitIsam();
        block_ = nullptr;
        fault::Restart();
        ASSERT_EQ(engine::InitIsam(0, 8), 8);
    }

    // The files equal `expected`, or, after an interrupted DeleteRec, the
    // same with the deleted record's first bytes holding its free link.
    ::testing::AssertionResult Holds(const FileBlockImage& expected, const Operation& op) {
        const FileBlockImage actual = testing::ReadImage(kName);
        std::string difference = FirstDifference(expected, actual);
        if (difference.empty()) {
            return ::testing::AssertionSuccess();
        }
        if (op.kind == Operation::DeleteRecord) {
            FileBlockImage leaked = expected;
            const std::int32_t link =
                expected.freeRecords.empty() ? -1 : expected.freeRecords.front();
            testing::PutInt32(leaked.liveRecords[op.record], 0, link);
            if (FirstDifference(leaked, actual).empty()) {
                return ::testing::AssertionSuccess();
            }
        }
        return ::testing::AssertionFailure() << difference;
    }

    // Structural check of the open fileblock; a leaked slot is allowed
    // after a DeleteRec.
    ::testing::AssertionResult Sound(const Operation& op) {
        for (const std::string& problem : CheckFileBlockStructure(block_)) {
            if (op.kind != Operation::DeleteRecord || problem.rfind(kLeakedSlotProblem, 0) != 0) {
                return ::testing::AssertionFailure() << problem;
            }
        }
        return ::testing::AssertionSuccess();
    }

    // Runs the operation undisturbed, then with every write failing, the
    // process and the machine crashing at every write (and again during the
    // following playback), and every flush failing; leaves the files as the
    // undisturbed operation left them.
    void SweepOperation(int i, const Operation& op) {
        const FileSnapshot start = testing::TakeSnapshot(kName);
        const FileBlockImage before = testing::ReadImage(kName);

        // The operation undisturbed: its writes, flushes and result.
        ASSERT_TRUE(Open());
        const long writes0 = fault::Writes();
        const long flushes0 = fault::Flushes();
        Run(op);
        ASSERT_TRUE(IsamSucceeded()) << "operation " << i << ": " << IsamError();
        const long writes = fault::Writes() - writes0;
        const long flushes = fault::Flushes() - flushes0;
        Close();
        const FileSnapshot end = testing::TakeSnapshot(kName);
        const FileBlockImage after = testing::ReadImage(kName);

        for (long n = 1; n <= writes && !HasFailure(); ++n) {
            // The n-th write fails: rolled back; a retry then succeeds.
            testing::RestoreSnapshot(kName, start);
            ASSERT_TRUE(Open());
            fault::FailWriteAt(n);
            Run(op);
            EXPECT_EQ(IsamError(), op.RollbackCode()) << "operation " << i << " write " << n;
            EXPECT_TRUE(Sound(op)) << "operation " << i << " write " << n;
            Close();
            EXPECT_TRUE(Holds(before, op)) << "operation " << i << " failed write " << n;
            ASSERT_TRUE(Open());
            Run(op);
            EXPECT_TRUE(IsamSucceeded()) << "retry of operation " << i;
            Close();
            EXPECT_TRUE(Holds(after, op)) << "retry of operation " << i << " after write " << n;
            ++crashPoints_;

            // The process or the machine dies at the n-th write.
            for (const auto kind : {fault::CrashKind::KeepWrites, fault::CrashKind::LoseUnsynced}) {
                testing::RestoreSnapshot(kName, start);
                ASSERT_TRUE(Open());
                fault::CrashAtWrite(n, kind);
                Run(op);
                ASSERT_TRUE(fault::Crashed());
                CrashAndRestart();
                const FileSnapshot crashed = testing::TakeSnapshot(kName);
                ASSERT_TRUE(Open());
                EXPECT_TRUE(Sound(op)) << "operation " << i << " crash at write " << n;
                Close();
                EXPECT_TRUE(Holds(before, op)) << "operation " << i << " crash at write " << n;
                ++crashPoints_;

                // ... and again during the playback at the next open.
                if (n != writes / 2 + 1 || crashed.journal.size() <= 1) {
                    continue;
                }
                for (long m = 1;; ++m) {
                    testing::RestoreSnapshot(kName, crashed);
                    fault::CrashAtWrite(m, kind);
                    OpenFileBlock(block_, kName);
                    const bool crashedAgain = fault::Crashed();
                    CrashAndRestart();
                    ASSERT_TRUE(Open());
                    Close();
                    EXPECT_TRUE(Holds(before, op))
                        << "operation " << i << " crash at write " << n << ", playback write " << m;
                    ++crashPoints_;
                    if (!crashedAgain) {
                        break;
                    }
                }
            }
        }
        for (long n = 1; n <= flushes && !HasFailure(); ++n) {
            // The n-th flush fails: rolled back, or after the commit's cut
            // retried and the operation stands.
            testing::RestoreSnapshot(kName, start);
            ASSERT_TRUE(Open());
            fault::FailFlushAt(n);
            Run(op);
            const bool stands = IsamSucceeded();
            if (!stands) {
                EXPECT_EQ(IsamError(), op.RollbackCode()) << "operation " << i << " flush " << n;
            }
            Close();
            EXPECT_TRUE(Holds(stands ? after : before, op))
                << "operation " << i << " failed flush " << n;
            ++crashPoints_;
        }
        testing::RestoreSnapshot(kName, end);
    }

    void ReportCrashPoints() {
        ASSERT_TRUE(Open());
        EXPECT_TRUE(CheckFileBlockStructure(block_).empty());
        Close();
        std::printf("crash points tried: %ld\n", crashPoints_);
        RecordProperty("CrashPoints", static_cast<int>(crashPoints_));
    }

    long crashPoints_ = 0;
    FileBlock* block_ = nullptr;
};

TEST_F(CrashSafetyTest, EveryCrashPointOfAMixedSequence) {
    constexpr int kOperations = 600;
    MakeFileBlock(kMixedKeys);
    std::mt19937 random(1103);
    OperationSource source(kMixedKeys);
    for (int i = 0; i < kOperations && !HasFailure(); ++i) {
        const auto mix = i < kOperations * 2 / 3 ? OperationSource::Mix::Growing
                                                 : OperationSource::Mix::Shrinking;
        SweepOperation(i, source.Next(random, mix));
    }
    ReportCrashPoints();
}

// A key of pages of two items grows deep quickly (mostly ascending keys keep
// its right edge full), and deletions fill its free list: splits then run up
// the whole path taking pages from the free list without a write, dirtying
// more pages than the 8-buffer cache holds, so pages logged in the journal
// are evicted and written during the operation.
TEST_F(CrashSafetyTest, EveryCrashPointOnADeepTree) {
    MakeFileBlock(kDeepKeys);
    std::mt19937 random(2207);
    OperationSource source(kDeepKeys);
    ASSERT_TRUE(Open());
    for (int i = 0; i < 60; ++i) {
        Run(source.Next(random, OperationSource::Mix::DeepKey));
        ASSERT_TRUE(IsamSucceeded()) << IsamError();
    }
    Close();
    for (int i = 0; i < 160 && !HasFailure(); ++i) {
        SweepOperation(i, source.Next(random, i % 40 < 30 ? OperationSource::Mix::DeepKey
                                                          : OperationSource::Mix::ThinDeepKey));
    }
    ReportCrashPoints();
}

}  // namespace
}  // namespace oltoma::storage
