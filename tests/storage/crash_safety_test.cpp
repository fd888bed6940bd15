// Crash safety of single operations and store units (crash_sweep.h), each
// sweep cut into shards that CTest runs side by side.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "crash_sweep.h"

namespace oltoma::storage::testing {
namespace {

// Keys of the mixed sequences; the deep tree has one key of pages of two
// items.
const std::vector<KeyShape> kMixedKeys = {{6, false, 4}, {4, true, 5}, {8, false, 8}};
const std::vector<KeyShape> kDeepKeys = {{6, false, 2}};

Step Single(const Operation& op) {
    return Step{{op}, false};
}

// 600 single operations, two thirds mostly growing the fileblock, then
// mostly shrinking it.
std::vector<Step> MixedSequence() {
    constexpr int kOperations = 600;
    std::mt19937 random(1103);
    OperationSource source(kMixedKeys);
    std::vector<Step> steps;
    for (int i = 0; i < kOperations; ++i) {
        const auto mix = i < kOperations * 2 / 3 ? OperationSource::Mix::Growing
                                                 : OperationSource::Mix::Shrinking;
        steps.push_back(Single(source.Next(random, mix)));
    }
    return steps;
}

// A key of pages of two items grows deep quickly (mostly ascending keys keep
// its right edge full), and deletions fill its free list: splits then run up
// the whole path taking pages from the free list without a write, dirtying
// more pages than the 8-buffer cache holds, so pages logged in the journal
// are evicted and written during the operation. The first 60 operations
// build the tree and are not swept.
constexpr std::size_t kDeepWarmUp = 60;

std::vector<Step> DeepSequence() {
    std::mt19937 random(2207);
    OperationSource source(kDeepKeys);
    std::vector<Step> steps;
    for (std::size_t i = 0; i < kDeepWarmUp; ++i) {
        steps.push_back(Single(source.Next(random, OperationSource::Mix::DeepKey)));
    }
    for (int i = 0; i < 160; ++i) {
        steps.push_back(
            Single(source.Next(random, i % 40 < 30 ? OperationSource::Mix::DeepKey
                                                   : OperationSource::Mix::ThinDeepKey)));
    }
    return steps;
}

// Store units of 1, 2 and 5 operations over a growing and then shrinking
// fileblock (free-list takes and releases of records and pages, splits and
// merges), then one unit of 300 operations that grows it (pages taken from
// the free lists, evictions of logged pages on the small cache) and one of
// 300 that shrinks it again.
std::vector<Step> UnitSequence() {
    std::mt19937 random(3301);
    OperationSource source(kMixedKeys);
    std::vector<Step> steps;
    const auto unit = [&](int size, OperationSource::Mix mix) {
        Step step;
        step.unit = true;
        source.BeginUnit();
        Operation op;
        for (int i = 0; i < size && source.TryNext(random, mix, op); ++i) {
            step.operations.push_back(op);
        }
        steps.push_back(step);
    };
    constexpr int kSizes[] = {1, 2, 5};
    for (int i = 0; i < 90; ++i) {
        unit(kSizes[i % 3],
             i < 60 ? OperationSource::Mix::Growing : OperationSource::Mix::Shrinking);
    }
    unit(300, OperationSource::Mix::Adding);
    unit(300, OperationSource::Mix::Removing);
    return steps;
}

class CrashSweep : public CrashSweepTest, public ::testing::WithParamInterface<int> {
protected:
    // Sweeps shard GetParam() of `shards` over the steps after `unswept`; the
    // last `alone` steps get a shard each.
    void Sweep(const std::vector<KeyShape>& keys, const std::vector<Step>& steps, int shards,
               std::size_t unswept = 0, int alone = 0) {
        MakeFileBlock(keys);
        const int shared = shards - alone;
        const std::size_t sharedSteps = steps.size() - unswept - static_cast<std::size_t>(alone);
        std::size_t first = 0;
        std::size_t end = 0;
        if (GetParam() < shared) {
            std::tie(first, end) = SliceOf(sharedSteps, GetParam(), shared);
        } else {
            first = sharedSteps + static_cast<std::size_t>(GetParam() - shared);
            end = first + 1;
        }
        SweepSlice(steps, unswept + first, unswept + end);
        ReportCrashPoints();
    }
};

std::string ShardName(const ::testing::TestParamInfo<int>& info) {
    return "shard" + std::to_string(info.param);
}

class MixedSingleOperations : public CrashSweep {};
class DeepTree : public CrashSweep {};
class StoreUnits : public CrashSweep {};

constexpr int kMixedShards = 8;
constexpr int kDeepShards = 4;
constexpr int kUnitShards = 6;

TEST_P(MixedSingleOperations, EveryCrashPoint) {
    Sweep(kMixedKeys, MixedSequence(), kMixedShards);
}

TEST_P(DeepTree, EveryCrashPoint) {
    Sweep(kDeepKeys, DeepSequence(), kDeepShards, kDeepWarmUp);
}

TEST_P(StoreUnits, EveryCrashPoint) {
    Sweep(kMixedKeys, UnitSequence(), kUnitShards, 0, 2);
}

INSTANTIATE_TEST_SUITE_P(Sweep, MixedSingleOperations, ::testing::Range(0, kMixedShards),
                         ShardName);
INSTANTIATE_TEST_SUITE_P(Sweep, DeepTree, ::testing::Range(0, kDeepShards), ShardName);
INSTANTIATE_TEST_SUITE_P(Sweep, StoreUnits, ::testing::Range(0, kUnitShards), ShardName);

}  // namespace
}  // namespace oltoma::storage::testing
