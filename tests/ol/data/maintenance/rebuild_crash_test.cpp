// A crash at any write or sync of an index rebuild, the process's or the
// machine's, leaves a data directory that the recovery at the next start
// brings to the state before the rebuild or to the rebuilt one, byte for
// byte, with a sound file set. The crash points are swept in shards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "file_set_fixture.h"
#include "ol/data/files/registers.h"
#include "ol/data/maintenance/file_set_check.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "storage/fault_injection.h"

namespace oltoma::ol {
namespace {

using Contents = std::vector<std::pair<std::string, std::string>>;
using storage::fault::CrashKind;

constexpr CrashKind kCrashKinds[] = {CrashKind::KeepWrites, CrashKind::LoseUnsynced,
                                     CrashKind::ZeroUnsyncedAppends};
constexpr int kShards = 4;

std::string FirstDifference(const Contents& expected, const Contents& actual) {
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        if (i >= expected.size()) {
            return "extra " + actual[i].first;
        }
        if (i >= actual.size() || expected[i].first != actual[i].first) {
            return "missing " + expected[i].first +
                   (i < actual.size() ? " for " + actual[i].first : "");
        }
        if (expected[i].second != actual[i].second) {
            std::size_t at = 0;
            while (at < expected[i].second.size() && at < actual[i].second.size() &&
                   expected[i].second[at] == actual[i].second[at]) {
                ++at;
            }
            return "differs " + expected[i].first + " at " + std::to_string(at) + " of " +
                   std::to_string(expected[i].second.size()) + "/" +
                   std::to_string(actual[i].second.size());
        }
    }
    return {};
}

// A small competition with deleted records in every register it renumbers.
class RebuildCrash : public testing::FileSetTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        AddClub("Beta IF");
        AddClub("Gamma SK");
        DeleteClub(2);
        ASSERT_EQ(NewCompetition("Test"), 1);
        AddClass("H21");
        AddClass("D21");
        AddClass("H35");
        DeleteClass(1);
        AddParticipant(1, 1, 2, "Anna");
        AddParticipant(2, 3, 3, "Bo");
        AddParticipant(3, 3, 2, "Cia");
        DeleteParticipant(2);
        CountEntries();
        CloseParticipantFiles();
        CloseCommonFiles();
        start_ = Tree();
    }

    // Every file and folder under the data directory (a folder with an
    // empty text ending in "/").
    Contents Tree() const {
        Contents contents;
        std::error_code error;
        for (auto entry = std::filesystem::recursive_directory_iterator(folder, error);
             !error && entry != std::filesystem::recursive_directory_iterator();
             entry.increment(error)) {
            const std::string name = std::filesystem::relative(entry->path(), folder).string();
            if (entry->is_directory()) {
                contents.emplace_back(name + "/", "");
            } else {
                std::ifstream file(entry->path(), std::ios::binary);
                contents.emplace_back(name, std::string(std::istreambuf_iterator<char>(file), {}));
            }
        }
        std::sort(contents.begin(), contents.end());
        return contents;
    }

    void Restore(const Contents& contents) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (const auto& [name, bytes] : contents) {
            if (name.ends_with("/")) {
                std::filesystem::create_directories(folder / name);
            } else {
                std::ofstream(folder / name, std::ios::binary) << bytes;
            }
        }
    }

    // Runs `run` with a crash at crash point n (writes first, then
    // flushes), then starts the program again, which recovers.
    template <typename Run>
    void CrashAt(long n, long writes, CrashKind kind, Run run) {
        if (n <= writes) {
            storage::fault::CrashAtWrite(n, kind);
        } else {
            storage::fault::CrashAtFlush(n - writes, kind);
        }
        run();
        ASSERT_TRUE(storage::fault::Crashed()) << n;
        CloseParticipantFiles();
        CloseCommonFiles();
        OlShutdown();
        storage::fault::Restart();
        ASSERT_TRUE(OlStartup({}));
    }

    ::testing::AssertionResult SoundAndBeforeOrAfter(const Contents& after) {
        const Contents now = Tree();
        if (now != start_ && now != after) {
            return ::testing::AssertionFailure()
                   << "neither before (" << FirstDifference(start_, now) << ") nor after ("
                   << FirstDifference(after, now) << ")";
        }
        const std::vector<std::string> problems = CheckFileSet(folder.string());
        if (!problems.empty()) {
            return ::testing::AssertionFailure() << problems.front();
        }
        return ::testing::AssertionSuccess();
    }

    // The rebuild undisturbed: its writes, flushes and result.
    Contents Undisturbed(long& writes, long& flushes) {
        const long writes0 = storage::fault::Writes();
        const long flushes0 = storage::fault::Flushes();
        EXPECT_EQ(RebuildFileSet(1), MaintenanceResult::done) << Message();
        writes = storage::fault::Writes() - writes0;
        flushes = storage::fault::Flushes() - flushes0;
        CloseParticipantFiles();
        CloseCommonFiles();
        return Tree();
    }

    Contents start_;
};

TEST_P(RebuildCrash, RecoveryGivesTheStateBeforeOrAfter) {
    long writes = 0;
    long flushes = 0;
    const Contents after = Undisturbed(writes, flushes);
    ASSERT_NE(after, start_);
    long points = 0;
    for (long n = 1; n <= writes + flushes && !HasFailure(); ++n) {
        if (n % kShards != GetParam()) {
            continue;
        }
        for (const CrashKind kind : kCrashKinds) {
            Restore(start_);
            CrashAt(n, writes, kind, [] { RebuildFileSet(1); });
            RecoverIndexRebuildAtStart();
            EXPECT_TRUE(SoundAndBeforeOrAfter(after))
                << (n <= writes ? "write " : "flush ") << (n <= writes ? n : n - writes) << " of "
                << writes << "/" << flushes << ", kind " << static_cast<int>(kind);
            ++points;
        }
    }
    std::printf("crash points tried: %ld\n", points);
}

// A crash in the middle of the switch, then another at every write and
// flush of the recovery that finishes it: the recovery after that still
// finishes it.
TEST_P(RebuildCrash, RecoveryItselfSurvivesACrash) {
    long writes = 0;
    long flushes = 0;
    const Contents after = Undisturbed(writes, flushes);
    // A crash point (the last) after which the plan stands and a file was
    // switched.
    Contents switching;
    for (long n = writes; n >= 1 && switching.empty(); --n) {
        Restore(start_);
        CrashAt(n, writes, CrashKind::KeepWrites, [] { RebuildFileSet(1); });
        const Contents crashed = Tree();
        if (std::filesystem::exists(folder / "indexbygge.plan") &&
            std::filesystem::exists(folder / "indexbygge.tmp") && crashed != start_) {
            switching = crashed;
        }
    }
    ASSERT_FALSE(switching.empty());
    Restore(switching);
    const long recoveryWrites0 = storage::fault::Writes();
    const long recoveryFlushes0 = storage::fault::Flushes();
    RecoverIndexRebuildAtStart();
    const long recoveryWrites = storage::fault::Writes() - recoveryWrites0;
    const long recoveryFlushes = storage::fault::Flushes() - recoveryFlushes0;
    ASSERT_EQ(Tree(), after);
    for (long m = 1; m <= recoveryWrites + recoveryFlushes && !HasFailure(); ++m) {
        if (m % kShards != GetParam()) {
            continue;
        }
        for (const CrashKind kind : kCrashKinds) {
            Restore(switching);
            CrashAt(m, recoveryWrites, kind, [] { RecoverIndexRebuildAtStart(); });
            RecoverIndexRebuildAtStart();
            EXPECT_TRUE(SoundAndBeforeOrAfter(after)) << "recovery crash point " << m;
            EXPECT_EQ(Tree(), after) << "recovery crash point " << m;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sweep, RebuildCrash, ::testing::Range(0, kShards),
                         [](const auto& info) { return "shard" + std::to_string(info.param); });

}  // namespace
}  // namespace oltoma::ol
