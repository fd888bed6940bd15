#include "crash_sweep.h"

#include <algorithm>
#include <cstdio>

#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/internal/isam_engine.h"
#include "storage/structure_check.h"

namespace oltoma::storage::testing {
namespace {

constexpr const char* kName = "CRASH";
constexpr int kLength = 28;

constexpr fault::CrashKind kCrashKinds[] = {fault::CrashKind::KeepWrites,
                                            fault::CrashKind::LoseUnsynced,
                                            fault::CrashKind::ZeroUnsyncedAppends};

const char* KindName(fault::CrashKind kind) {
    switch (kind) {
        case fault::CrashKind::KeepWrites:
            return "process crash";
        case fault::CrashKind::LoseUnsynced:
            return "machine crash";
        case fault::CrashKind::ZeroUnsyncedAppends:
            return "machine crash, zeroed appends";
    }
    return "";
}

}  // namespace

int Operation::RollbackCode() const {
    static const int kCodes[] = {10001, 10002, 10003, 10004};
    return kCodes[kind];
}

OperationSource::OperationSource(std::vector<KeyShape> keys)
    : keys_(std::move(keys)), entries_(keys_.size()) {}

Operation OperationSource::Next(std::mt19937& random, Mix mix) {
    Operation op;
    EXPECT_TRUE(TryNext(random, mix, op)) << "no operation fits";
    return op;
}

bool OperationSource::TryNext(std::mt19937& random, Mix mix, Operation& op) {
    // Weights of AddRec, DeleteRec, AddKey and DeleteKey.
    static const int kWeights[][4] = {{3, 1, 5, 1}, {1, 2, 2, 4}, {1, 0, 6, 3},
                                      {0, 0, 1, 9}, {3, 0, 5, 1}, {0, 2, 2, 4}};
    deepKeyOnly_ = mix == Mix::DeepKey || mix == Mix::ThinDeepKey;
    constexpr int kTries = 400;
    for (int attempt = 0; attempt < 2 * kTries; ++attempt) {
        const int* weights = kWeights[static_cast<int>(attempt < kTries ? mix : Mix::Adding)];
        std::discrete_distribution<int> choose(weights, weights + 4);
        op = Operation{};
        op.kind = static_cast<Operation::Kind>(choose(random));
        if (op.kind == Operation::AddRecord &&
            (freeList_.empty() || unitDeleted_.count(freeList_.back()) == 0)) {
            op.text = RandomText(random, 10);
            if (freeList_.empty()) {
                op.record = ++slotCount_;
            } else {
                op.record = freeList_.back();
                freeList_.pop_back();
            }
            live_.insert(op.record);
            return true;
        }
        if (op.kind == Operation::DeleteRecord && !live_.empty()) {
            op.record = Pick(live_, random);
            live_.erase(op.record);
            freeList_.push_back(op.record);
            if (inUnit_) {
                unitDeleted_.insert(op.record);
            }
            return true;
        }
        // Key 1 gets half the key operations and mostly ascending keys,
        // which pack its small pages full: splits then run up the tree and
        // an operation touches more pages than the cache holds.
        op.key =
            deepKeyOnly_ || random() % 2 == 0 ? 1 : static_cast<int>(random() % keys_.size()) + 1;
        auto& entries = entries_[op.key - 1];
        if (op.kind == Operation::AddEntry && !live_.empty()) {
            op.text = op.key == 1 && random() % 8 != 0
                          ? NextAscending()
                          : RandomText(random, keys_[op.key - 1].keyLen);
            op.record = Pick(live_, random);
            const std::string identity =
                keys_[op.key - 1].duplicates ? op.text + "#" + std::to_string(op.record) : op.text;
            if (entries.insert({identity, {op.text, op.record}}).second) {
                return true;
            }
        }
        if (op.kind == Operation::DeleteEntry && !entries.empty()) {
            auto it = entries.begin();
            std::advance(it, random() % entries.size());
            op.text = it->second.first;
            op.record = it->second.second;
            entries.erase(it);
            return true;
        }
    }
    return false;
}

std::string OperationSource::NextAscending() {
    char text[16];
    std::snprintf(text, sizeof text, "E%04d", ++ascending_);
    return text;
}

std::string OperationSource::RandomText(std::mt19937& random, int longest) {
    static const char kAlphabet[] = "ABCDEFGH\x8F\x90\xC5";
    std::string text;
    const int length = 1 + static_cast<int>(random() % longest);
    for (int i = 0; i < length; ++i) {
        text += kAlphabet[random() % (sizeof kAlphabet - 1)];
    }
    return text;
}

std::int32_t OperationSource::Pick(const std::set<std::int32_t>& set, std::mt19937& random) {
    auto it = set.begin();
    std::advance(it, random() % set.size());
    return *it;
}

void CrashSweepTest::SetUp() {
    StorageTest::SetUp();
    fault::Reset();
    fault::SkipSyncs(true);
    WriteFile(std::string(kName) + ".DIA", std::string(1, '\0'));
}

void CrashSweepTest::MakeFileBlock(const std::vector<KeyShape>& keys) {
    WriteEmptyFileBlock(kName, kLength, keys);
}

bool CrashSweepTest::Open() {
    OpenFileBlock(block_, kName);
    EXPECT_TRUE(IsamSucceeded()) << "open: " << IsamError();
    return IsamSucceeded();
}

void CrashSweepTest::Close() {
    CloseFileBlock(block_);
    EXPECT_TRUE(IsamSucceeded()) << "close: " << IsamError();
}

void CrashSweepTest::RunOne(const Operation& op) {
    switch (op.kind) {
        case Operation::AddRecord:
            AddRec(block_, LiveRecord(kLength, op.text).data());
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

bool CrashSweepTest::Run(const Step& step) {
    if (!step.unit) {
        RunOne(step.operations.front());
        return IsamSucceeded();
    }
    BeginStoreUnit(block_);
    for (const Operation& op : step.operations) {
        if (!IsamSucceeded() || fault::Crashed()) {
            break;
        }
        RunOne(op);
    }
    if (!IsamSucceeded()) {
        const int code = IsamError();
        CancelStoreUnit(block_);
        ReportIsamError(code);
        return false;
    }
    return CommitStoreUnit(block_);
}

// Abandons the engine as a crash would (later writes are dropped), then
// starts it again.
void CrashSweepTest::CrashAndRestart() {
    engine::ExitIsam();
    block_ = nullptr;
    fault::Restart();
    ASSERT_EQ(engine::InitIsam(0, 8), 8);
}

// The files equal `expected`, or, after an interrupted single DeleteRec, the
// same with the deleted record's first bytes holding its free link.
::testing::AssertionResult CrashSweepTest::Holds(const FileBlockImage& expected, const Step& step) {
    const FileBlockImage actual = ReadImage(kName);
    std::string difference = FirstDifference(expected, actual);
    if (difference.empty()) {
        return ::testing::AssertionSuccess();
    }
    const Operation& op = step.operations.front();
    if (!step.unit && op.kind == Operation::DeleteRecord) {
        FileBlockImage leaked = expected;
        const std::int32_t link = expected.freeRecords.empty() ? -1 : expected.freeRecords.front();
        PutInt32(leaked.liveRecords[op.record], 0, link);
        if (FirstDifference(leaked, actual).empty()) {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure() << difference;
}

// Structural check of the open fileblock; a leaked slot is allowed after a
// single DeleteRec.
::testing::AssertionResult CrashSweepTest::Sound(const Step& step) {
    const bool mayLeak = !step.unit && step.operations.front().kind == Operation::DeleteRecord;
    for (const std::string& problem : CheckFileBlockStructure(block_)) {
        if (!mayLeak || problem.rfind(kLeakedSlotProblem, 0) != 0) {
            return ::testing::AssertionFailure() << problem;
        }
    }
    return ::testing::AssertionSuccess();
}

void CrashSweepTest::SweepWrite(std::size_t i, const Step& step, long n, long writes,
                                const FileBlockImage& before, const FileBlockImage& after,
                                const FileSnapshot& start) {
    // The n-th write fails: undone, reported as a rolled-back operation; a
    // retry then succeeds.
    RestoreSnapshot(kName, start);
    ASSERT_TRUE(Open());
    fault::FailWriteAt(n);
    EXPECT_FALSE(Run(step));
    EXPECT_EQ(IsamErrorClass(), 3) << "step " << i << " write " << n << ": " << IsamError();
    if (!step.unit) {
        EXPECT_EQ(IsamError(), step.operations.front().RollbackCode());
    }
    EXPECT_TRUE(Sound(step)) << "step " << i << " write " << n;
    Close();
    EXPECT_TRUE(Holds(before, step)) << "step " << i << " failed write " << n;
    ASSERT_TRUE(Open());
    EXPECT_TRUE(Run(step)) << "retry of step " << i << ": " << IsamError();
    Close();
    EXPECT_TRUE(Holds(after, step)) << "retry of step " << i << " after write " << n;
    ++crashPoints_;

    // The process or the machine dies at the n-th write.
    for (const auto kind : kCrashKinds) {
        RestoreSnapshot(kName, start);
        ASSERT_TRUE(Open());
        fault::CrashAtWrite(n, kind);
        Run(step);
        ASSERT_TRUE(fault::Crashed());
        CrashAndRestart();
        const FileSnapshot crashed = TakeSnapshot(kName);
        ASSERT_TRUE(Open());
        EXPECT_TRUE(Sound(step)) << "step " << i << ", " << KindName(kind) << " at write " << n;
        Close();
        EXPECT_TRUE(Holds(before, step))
            << "step " << i << ", " << KindName(kind) << " at write " << n;
        ++crashPoints_;

        // ... and again during the playback at the next open.
        if (n != writes / 2 + 1 || crashed.journal.size() <= 1) {
            continue;
        }
        for (long m = 1;; ++m) {
            RestoreSnapshot(kName, crashed);
            fault::CrashAtWrite(m, kind);
            OpenFileBlock(block_, kName);
            const bool crashedAgain = fault::Crashed();
            CrashAndRestart();
            ASSERT_TRUE(Open());
            Close();
            EXPECT_TRUE(Holds(before, step)) << "step " << i << ", " << KindName(kind)
                                             << " at write " << n << ", playback write " << m;
            ++crashPoints_;
            if (!crashedAgain) {
                break;
            }
        }
    }
}

void CrashSweepTest::SweepFlush(std::size_t i, const Step& step, long n, long flushes,
                                const FileBlockImage& before, const FileBlockImage& after,
                                const FileSnapshot& start) {
    // Only the last flush, the commit's, follows the cut that makes the step
    // stand.
    const bool cutWritten = n == flushes;

    // The n-th flush fails: reported, nothing played back; the next open
    // decides.
    RestoreSnapshot(kName, start);
    ASSERT_TRUE(Open());
    fault::FailFlushAt(n);
    EXPECT_FALSE(Run(step)) << "step " << i << " flush " << n;
    EXPECT_EQ(IsamError(), IsamCode::kSystemError) << "step " << i << " flush " << n;
    Close();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(Sound(step)) << "step " << i << " failed flush " << n;
    Close();
    EXPECT_TRUE(Holds(cutWritten ? after : before, step)) << "step " << i << " failed flush " << n;
    ++crashPoints_;

    // The process or the machine dies at the n-th flush.
    for (const auto kind : kCrashKinds) {
        RestoreSnapshot(kName, start);
        ASSERT_TRUE(Open());
        fault::CrashAtFlush(n, kind);
        Run(step);
        ASSERT_TRUE(fault::Crashed());
        CrashAndRestart();
        ASSERT_TRUE(Open());
        EXPECT_TRUE(Sound(step)) << "step " << i << ", " << KindName(kind) << " at flush " << n;
        Close();
        const bool stands = cutWritten && kind == fault::CrashKind::KeepWrites;
        EXPECT_TRUE(Holds(stands ? after : before, step))
            << "step " << i << ", " << KindName(kind) << " at flush " << n;
        ++crashPoints_;
    }
}

void CrashSweepTest::SweepStep(std::size_t i, const Step& step) {
    const FileSnapshot start = TakeSnapshot(kName);
    const FileBlockImage before = ReadImage(kName);

    // The step undisturbed: its writes, flushes and result.
    ASSERT_TRUE(Open());
    const long writes0 = fault::Writes();
    const long flushes0 = fault::Flushes();
    ASSERT_TRUE(Run(step)) << "step " << i << ": " << IsamError();
    const long writes = fault::Writes() - writes0;
    const long flushes = fault::Flushes() - flushes0;
    Close();
    const FileSnapshot end = TakeSnapshot(kName);
    const FileBlockImage after = ReadImage(kName);

    // A long unit repeats hundreds of operations at every crash point: it is
    // tried at its first writes and flushes, at an even sample of about 8 of
    // the rest and at every one of its end (the results, the commit).
    const bool sample = step.operations.size() > 20;
    const auto swept = [sample](long n, long count) {
        return !sample || n <= 2 || n % std::max(1L, count / 8) == 0 || n > count - 8;
    };
    for (long n = 1; n <= writes && !HasFailure(); ++n) {
        if (swept(n, writes)) {
            SweepWrite(i, step, n, writes, before, after, start);
        }
    }
    for (long n = 1; n <= flushes && !HasFailure(); ++n) {
        if (swept(n, flushes)) {
            SweepFlush(i, step, n, flushes, before, after, start);
        }
    }
    RestoreSnapshot(kName, end);
}

void CrashSweepTest::SweepSlice(const std::vector<Step>& steps, std::size_t first,
                                std::size_t end) {
    for (std::size_t i = 0; i < first; ++i) {
        ASSERT_TRUE(Open());
        ASSERT_TRUE(Run(steps[i])) << "step " << i << ": " << IsamError();
        Close();
    }
    for (std::size_t i = first; i < end && !HasFailure(); ++i) {
        SweepStep(i, steps[i]);
    }
}

std::pair<std::size_t, std::size_t> CrashSweepTest::SliceOf(std::size_t count, int shard,
                                                            int shards) {
    const auto at = [&](int s) { return count * static_cast<std::size_t>(s) / shards; };
    return {at(shard), at(shard + 1)};
}

void CrashSweepTest::ReportCrashPoints() {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(CheckFileBlockStructure(block_).empty());
    Close();
    std::printf("crash points tried: %ld\n", crashPoints_);
    RecordProperty("CrashPoints", static_cast<int>(crashPoints_));
}

}  // namespace oltoma::storage::testing
