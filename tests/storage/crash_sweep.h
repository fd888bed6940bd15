// The crash sweep of the storage engine: a seeded sequence of steps (single
// modifying operations, or store units of several), each tried with every
// write made to fail, the process or the machine crashing at every write and
// every flush, and every flush failing. Afterwards the files must hold the
// state before the step or, where the step's commit may stand, the state
// after it, with no structural problem except the leaked slot an
// interrupted single DeleteRec may leave.
//
// A unit of more than 20 operations is tried at a sample of its writes
// (crash_sweep.cpp says which).
//
// A sweep runs in shards: shard s of n replays the steps before its slice
// undisturbed (no crash points, syncs skipped) and sweeps only its slice, so
// the shards together try exactly the crash points of one whole sweep.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "storage/isam_types.h"
#include "storage_test_support.h"

namespace oltoma::storage::testing {

struct Operation {
    enum Kind { AddRecord, DeleteRecord, AddEntry, DeleteEntry } kind = AddRecord;
    std::int32_t record = 0;
    int key = 0;
    std::string text;

    int RollbackCode() const;
};

// What is swept as one: one operation, or a unit of several.
struct Step {
    std::vector<Operation> operations;
    bool unit = false;
};

// Chooses operations that succeed on the current state, following the
// engine's free list (the most recently deleted record is reused first).
class OperationSource {
public:
    explicit OperationSource(std::vector<KeyShape> keys);

    // Growing and Shrinking mix all four kinds; Adding deletes no record,
    // Removing adds none (so that a long unit never waits for a record it
    // deleted itself).
    enum class Mix { Growing, Shrinking, DeepKey, ThinDeepKey, Adding, Removing };

    Operation Next(std::mt19937& random, Mix mix);
    // The same; false when no operation of the mix fits (a unit deleted the
    // last records), and then also none of Adding.
    bool TryNext(std::mt19937& random, Mix mix, Operation& op);

    // Starts and ends a unit: inside one, a record deleted by the unit is
    // not added back (the engine refuses that).
    void BeginUnit() {
        inUnit_ = true;
        unitDeleted_.clear();
    }

private:
    std::string NextAscending();
    static std::string RandomText(std::mt19937& random, int longest);
    static std::int32_t Pick(const std::set<std::int32_t>& set, std::mt19937& random);

    std::int32_t slotCount_ = 0;
    int ascending_ = 0;
    bool deepKeyOnly_ = false;
    bool inUnit_ = false;
    std::vector<std::int32_t> freeList_;
    std::set<std::int32_t> live_;
    std::set<std::int32_t> unitDeleted_;
    std::vector<KeyShape> keys_;
    std::vector<std::map<std::string, std::pair<std::string, std::int32_t>>> entries_;
};

// The fileblock "CRASH" swept over an 8-buffer page cache, syncs skipped.
class CrashSweepTest : public StorageTest {
protected:
    int PageBuffers() const override { return 8; }
    void SetUp() override;

    void MakeFileBlock(const std::vector<KeyShape>& keys);
    // Runs the steps before `first` undisturbed, then sweeps [first, end).
    void SweepSlice(const std::vector<Step>& steps, std::size_t first, std::size_t end);
    // The slice [first, end) of shard `shard` of `shards` over `count` steps.
    static std::pair<std::size_t, std::size_t> SliceOf(std::size_t count, int shard, int shards);
    void ReportCrashPoints();

private:
    bool Open();
    void Close();
    // Runs the step; true when every operation (and the unit) succeeded.
    bool Run(const Step& step);
    void RunOne(const Operation& op);
    void CrashAndRestart();
    ::testing::AssertionResult Holds(const FileBlockImage& expected, const Step& step);
    ::testing::AssertionResult Sound(const Step& step);
    void SweepStep(std::size_t i, const Step& step);
    void SweepWrite(std::size_t i, const Step& step, long n, long writes,
                    const FileBlockImage& before, const FileBlockImage& after,
                    const FileSnapshot& start);
    void SweepFlush(std::size_t i, const Step& step, long n, long flushes,
                    const FileBlockImage& before, const FileBlockImage& after,
                    const FileSnapshot& start);

    long crashPoints_ = 0;
    FileBlock* block_ = nullptr;
};

}  // namespace oltoma::storage::testing
