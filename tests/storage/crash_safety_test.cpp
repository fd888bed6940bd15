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
#include "storage/isam_engine.h"
#include "storage/structure_check.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::FileBlockImage;
using testing::FileSnapshot;
using testing::FirstDifference;

constexpr const char* kName = "CRASH";
constexpr int kLength = 28;
const std::vector<testing::KeySpec> kKeys = {{6, false, 4}, {4, true, 5}, {8, false, 8}};

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
    Operation Next(std::mt19937& random, bool growing) {
        const int weights[] = {growing ? 3 : 1, growing ? 1 : 2, growing ? 5 : 2, growing ? 1 : 4};
        std::discrete_distribution<int> choose(std::begin(weights), std::end(weights));
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
            op.key = static_cast<int>(random() % kKeys.size()) + 1;
            auto& entries = entries_[op.key - 1];
            if (op.kind == Operation::AddEntry && !live_.empty()) {
                op.text = RandomText(random, kKeys[op.key - 1].keyLen);
                op.record = Pick(live_, random);
                const std::string identity = kKeys[op.key - 1].duplicates
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
    std::vector<std::int32_t> freeList_;
    std::set<std::int32_t> live_;
    std::map<std::string, std::pair<std::string, std::int32_t>> entries_[3];
};

class CrashSafetyTest : public testing::StorageTest {
protected:
    int PageBuffers() const override { return 8; }

    void SetUp() override {
        StorageTest::SetUp();
        fault::Reset();
        fault::SkipSyncs(true);
        testing::WriteEmptyFileBlock(kName, kLength, kKeys);
        testing::WriteFile(std::string(kName) + ".DIA", std::string(1, '\0'));
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

    FileBlock* block_ = nullptr;
};

TEST_F(CrashSafetyTest, EveryCrashPointOfEveryOperation) {
    constexpr int kOperations = 600;
    std::mt19937 random(1103);
    OperationSource source;
    long crashPoints = 0;
    for (int i = 0; i < kOperations && !HasFailure(); ++i) {
        const Operation op = source.Next(random, i < kOperations * 2 / 3);
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
            ++crashPoints;

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
                ++crashPoints;

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
                    ++crashPoints;
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
            ++crashPoints;
        }
        testing::RestoreSnapshot(kName, end);
    }
    ASSERT_TRUE(Open());
    EXPECT_TRUE(CheckFileBlockStructure(block_).empty());
    Close();
    std::printf("crash points tried: %ld\n", crashPoints);
    RecordProperty("CrashPoints", static_cast<int>(crashPoints));
}

}  // namespace
}  // namespace oltoma::storage
