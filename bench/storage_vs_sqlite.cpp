// The storage engine against SQLite 3, side by side in one run on one seeded
// data set at the same durability:
//   (a) durable inserts (AddRec + AddKey in one store unit) in a disk directory,
//       against one INSERT transaction each in rollback-journal and WAL mode,
//       both synchronous=FULL;
//   (b) the same in a tmpfs directory (processor and system-call cost);
//   (c) random FindKey on a warm index against the indexed point SELECT;
//   (d) a full ordered NextKey scan against SELECT ... ORDER BY the key;
//   (e) the inserts of (a) and (b) in store units of --unit_stores records
//       (an import's run of stores) against WAL transactions of as many rows,
//       in the disk and in the tmpfs directory.
// Every workload checks its result (count and checksum) outside the timed
// part. The sync latency of the disk and tmpfs directories is measured in the
// same run, as the journal uses a sync. A summary table with the goals is
// printed at the end; the exit status is 1 when a check or set-up failed.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "sqlite_sync_counter.h"
#include "storage_bench_data.h"
#include "storage_bench_engine.h"
#include "storage_bench_options.h"
#include "storage_bench_report.h"
#include "storage_bench_sqlite.h"
#include "storage_bench_sync.h"

namespace oltoma::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct Context {
    StorageBenchOptions options;
    std::string diskDirectory;   // this run's subdirectory of the disk directory
    std::string tmpfsDirectory;  // and of the tmpfs directory
    std::unique_ptr<DataSet> data;
    Checksum expectedInserts;  // entries 0..inserts-1 in key order, with records
    Checksum expectedIndex;    // entries 0..indexKeys-1 in key order
};

Context& TheContext() {
    static Context context;
    return context;
}

const std::string& DirectoryOf(Place place) {
    return place == Place::Disk ? TheContext().diskDirectory : TheContext().tmpfsDirectory;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The name of the workload that runs, for failure reports.
std::string runningWorkload;

void Fail(benchmark::State& state, const std::string& what) {
    RecordFailure(runningWorkload + ": " + what);
    state.SkipWithError(what.c_str());
}

std::uint64_t SqliteSyncs() {
    return CountedSqliteCalls().syncs;
}

void SetCounters(benchmark::State& state, const Measurement& measurement) {
    const double operations = static_cast<double>(measurement.operations);
    state.counters["ops_per_s"] = measurement.seconds > 0 ? operations / measurement.seconds : 0;
    state.counters["syncs_per_op"] =
        operations > 0 ? static_cast<double>(measurement.syncs) / operations : 0;
    state.counters["checked"] = 1;
}

void RunSyncLatency(benchmark::State& state, Place place) {
    SyncLatency latency;
    for (auto _ : state) {
        latency = MeasureSyncLatency(DirectoryOf(place), TheContext().options.syncSamples);
        state.SetIterationTime((latency.appendMean + latency.truncateMean + latency.overwriteMean) *
                               static_cast<double>(latency.samples));
    }
    if (!latency.failure.empty()) {
        Fail(state, latency.failure);
        return;
    }
    state.counters["append_sync_us"] = latency.appendMean * 1e6;
    state.counters["append_sync_median_us"] = latency.appendMedian * 1e6;
    state.counters["truncate_sync_us"] = latency.truncateMean * 1e6;
    state.counters["truncate_sync_median_us"] = latency.truncateMedian * 1e6;
    state.counters["overwrite_sync_us"] = latency.overwriteMean * 1e6;
    RecordSyncLatency(place, latency);
}

// The table holds exactly entries 0..count-1 with their records.
template <typename Table>
bool CheckInserted(Table& table, std::size_t count, std::string& failure) {
    Checksum seen;
    if (table.Count() != static_cast<std::int64_t>(count)) {
        failure =
            "holds " + std::to_string(table.Count()) + " records, not " + std::to_string(count);
        return false;
    }
    if (!table.Scan(true, seen)) {
        failure = table.Failure();
        return false;
    }
    if (seen.Entries() != count || seen.Value() != TheContext().expectedInserts.Value()) {
        failure = "checksum of the inserted records differs";
        return false;
    }
    return true;
}

// One sync latency sample is taken every kProbeInterval inserts of the
// engine, outside the timed part, so the floor sees the disk as the inserts
// see it.
constexpr std::size_t kProbeInterval = 16;

Workload InsertWorkload(Place place, std::size_t batch) {
    if (batch > 1) {
        return place == Place::Disk ? Workload::UnitInsertDisk : Workload::UnitInsertTmpfs;
    }
    return place == Place::Disk ? Workload::InsertDisk : Workload::InsertTmpfs;
}

// Inserts entries 0..inserts-1 in durable batches of `batch` (the last one
// may be smaller), and checks them. For the engine inserting one by one the
// sync latency is also sampled during the workload and the floor of the
// journal protocol reported.
template <typename Table>
void RunInserts(benchmark::State& state, Table& table, Place place, Side side,
                std::uint64_t (*syncs)(), std::uint64_t (*waits)(), std::size_t batch) {
    const Context& context = TheContext();
    const std::size_t count = context.options.inserts;
    const Workload workload = InsertWorkload(place, batch);
    const bool floor = side == Side::Engine && batch == 1;
    if (!table.Create()) {
        Fail(state, table.Failure());
        return;
    }
    std::optional<SyncProbe> probe;
    if (floor) {
        probe.emplace(DirectoryOf(place));
    }
    Measurement measurement;
    bool inserted = true;
    for (auto _ : state) {
        double probing = 0;
        const std::uint64_t syncsBefore = syncs();
        const std::uint64_t waitsBefore = waits();
        const auto start = Clock::now();
        for (std::size_t i = 0; i < count && inserted; i += batch) {
            if (floor && i % kProbeInterval == 0) {
                const auto probeStart = Clock::now();
                probe->Sample();
                probing += SecondsSince(probeStart);
            }
            inserted = batch == 1 ? table.Insert(*context.data, i)
                                  : table.InsertBatch(*context.data, i, std::min(batch, count - i));
        }
        measurement = Measurement{count, SecondsSince(start) - probing, syncs() - syncsBefore,
                                  waits() - waitsBefore};
        state.SetIterationTime(measurement.seconds);
    }
    std::string failure;
    if (!inserted) {
        failure = table.Failure();
    } else if (CheckInserted(table, count, failure) && floor) {
        const SyncLatency latency = probe->Result();
        failure = latency.failure;
        measurement.appendSyncSeconds = latency.appendMean;
        measurement.truncateSyncSeconds = latency.truncateMean;
    }
    table.Remove();
    if (!failure.empty()) {
        Fail(state, failure);
        return;
    }
    SetCounters(state, measurement);
    if (floor) {
        const double floorSeconds =
            FloorSeconds(static_cast<double>(measurement.syncWaits) /
                             static_cast<double>(measurement.operations),
                         measurement.appendSyncSeconds, measurement.truncateSyncSeconds);
        state.counters["append_sync_us"] = measurement.appendSyncSeconds * 1e6;
        state.counters["truncate_sync_us"] = measurement.truncateSyncSeconds * 1e6;
        state.counters["floor_us_per_op"] = floorSeconds * 1e6;
        state.counters["time_per_floor"] =
            measurement.seconds / static_cast<double>(measurement.operations) / floorSeconds;
    }
    RecordMeasurement(workload, side, measurement);
}

void EngineInserts(benchmark::State& state, Place place, std::size_t batch = 1) {
    EngineTable table(DirectoryOf(place));
    RunInserts(state, table, place, Side::Engine, EngineSyncs, EngineSyncWaits, batch);
}

void SqliteInserts(benchmark::State& state, Place place, SqliteJournal journal,
                   std::size_t batch = 1) {
    SqliteTable table(DirectoryOf(place), journal);
    RunInserts(state, table, place,
               journal == SqliteJournal::Wal ? Side::SqliteWal : Side::SqliteRollback, SqliteSyncs,
               SqliteSyncs, batch);
}

std::size_t UnitStores() {
    return TheContext().options.unitStores;
}

// The warm index of (c) and (d), built once in the tmpfs directory: entries
// 0..indexKeys-1 inserted in the data set's (random) key order, the engine
// durably one by one as the program adds them, SQLite (WAL) in one
// transaction; then one full scan of each to warm the caches.
struct ReadSet {
    std::string directory;
    EngineTable engine;
    SqliteTable sqlite;
    std::vector<std::uint32_t> lookups;
    std::uint64_t expectedLookupSum = 0;
    std::string failure;

    explicit ReadSet(const std::string& where)
        : directory(where), engine(where), sqlite(where, SqliteJournal::Wal) {}
};

std::unique_ptr<ReadSet>& TheReadSetHolder() {
    static std::unique_ptr<ReadSet> readSet;
    return readSet;
}

ReadSet& TheReadSet() {
    std::unique_ptr<ReadSet>& readSet = TheReadSetHolder();
    if (readSet) {
        return *readSet;
    }
    const Context& context = TheContext();
    const std::size_t count = context.options.indexKeys;
    readSet = std::make_unique<ReadSet>(context.tmpfsDirectory + "/read");
    ReadSet& set = *readSet;
    std::error_code ignored;
    std::filesystem::create_directories(set.directory, ignored);
    bool built = set.engine.Create() && set.sqlite.Create();
    for (std::size_t i = 0; i < count && built; ++i) {
        built = set.engine.Insert(*context.data, i);
    }
    built = built && set.sqlite.InsertAll(*context.data, count);
    Checksum warmEngine;
    Checksum warmSqlite;
    built = built && set.engine.Scan(false, warmEngine) && set.sqlite.Scan(false, warmSqlite);
    if (!built) {
        set.failure = "building the index: " + set.engine.Failure() + set.sqlite.Failure();
    }
    set.lookups = LookupSequence(context.options.seed, count, context.options.lookups);
    for (const std::uint32_t i : set.lookups) {
        set.expectedLookupSum += i + 1;
    }
    return set;
}

template <typename Table>
void RunFinds(benchmark::State& state, Table& table, Side side) {
    const ReadSet& set = TheReadSet();
    if (!set.failure.empty()) {
        Fail(state, set.failure);
        return;
    }
    const DataSet& data = *TheContext().data;
    Measurement measurement;
    std::uint64_t sum = 0;
    for (auto _ : state) {
        sum = 0;
        const auto start = Clock::now();
        for (const std::uint32_t i : set.lookups) {
            sum += static_cast<std::uint32_t>(table.Find(data.Key(i)));
        }
        measurement = Measurement{set.lookups.size(), SecondsSince(start), 0};
        state.SetIterationTime(measurement.seconds);
    }
    if (sum != set.expectedLookupSum) {
        Fail(state, "the record numbers found differ from the data set's");
        return;
    }
    SetCounters(state, measurement);
    RecordMeasurement(Workload::FindKey, side, measurement);
}

template <typename Table>
void RunScan(benchmark::State& state, Table& table, Side side) {
    const ReadSet& set = TheReadSet();
    if (!set.failure.empty()) {
        Fail(state, set.failure);
        return;
    }
    Measurement measurement;
    Checksum seen;
    bool scanned = true;
    for (auto _ : state) {
        seen = Checksum{};
        const auto start = Clock::now();
        scanned = table.Scan(false, seen);
        measurement = Measurement{seen.Entries(), SecondsSince(start), 0};
        state.SetIterationTime(measurement.seconds);
    }
    const Checksum& expected = TheContext().expectedIndex;
    if (!scanned || seen.Entries() != expected.Entries() || seen.Value() != expected.Value()) {
        Fail(state, scanned ? "the scan's count or checksum differs" : table.Failure());
        return;
    }
    SetCounters(state, measurement);
    RecordMeasurement(Workload::Scan, side, measurement);
}

void Register(const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name,
                                 [name, function](benchmark::State& state) {
                                     runningWorkload = name;
                                     function(state);
                                 })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void RegisterWorkloads() {
    Register("sync_latency/disk", [](benchmark::State& s) { RunSyncLatency(s, Place::Disk); });
    Register("sync_latency/tmpfs", [](benchmark::State& s) { RunSyncLatency(s, Place::Tmpfs); });
    Register("a_insert_disk/engine", [](benchmark::State& s) { EngineInserts(s, Place::Disk); });
    Register("a_insert_disk/sqlite_rollback",
             [](benchmark::State& s) { SqliteInserts(s, Place::Disk, SqliteJournal::Rollback); });
    Register("a_insert_disk/sqlite_wal",
             [](benchmark::State& s) { SqliteInserts(s, Place::Disk, SqliteJournal::Wal); });
    Register("b_insert_tmpfs/engine", [](benchmark::State& s) { EngineInserts(s, Place::Tmpfs); });
    Register("b_insert_tmpfs/sqlite_rollback",
             [](benchmark::State& s) { SqliteInserts(s, Place::Tmpfs, SqliteJournal::Rollback); });
    Register("b_insert_tmpfs/sqlite_wal",
             [](benchmark::State& s) { SqliteInserts(s, Place::Tmpfs, SqliteJournal::Wal); });
    Register("e_units_disk/engine",
             [](benchmark::State& s) { EngineInserts(s, Place::Disk, UnitStores()); });
    Register("e_units_disk/sqlite_wal", [](benchmark::State& s) {
        SqliteInserts(s, Place::Disk, SqliteJournal::Wal, UnitStores());
    });
    Register("e_units_tmpfs/engine",
             [](benchmark::State& s) { EngineInserts(s, Place::Tmpfs, UnitStores()); });
    Register("e_units_tmpfs/sqlite_wal", [](benchmark::State& s) {
        SqliteInserts(s, Place::Tmpfs, SqliteJournal::Wal, UnitStores());
    });
    Register("c_findkey/engine",
             [](benchmark::State& s) { RunFinds(s, TheReadSet().engine, Side::Engine); });
    Register("c_findkey/sqlite_wal",
             [](benchmark::State& s) { RunFinds(s, TheReadSet().sqlite, Side::SqliteWal); });
    Register("d_scan/engine",
             [](benchmark::State& s) { RunScan(s, TheReadSet().engine, Side::Engine); });
    Register("d_scan/sqlite_wal",
             [](benchmark::State& s) { RunScan(s, TheReadSet().sqlite, Side::SqliteWal); });
}

bool IsTmpfs(const std::string& directory) {
    struct statfs info {};
    constexpr long kTmpfsMagic = 0x01021994;
    return ::statfs(directory.c_str(), &info) == 0 && info.f_type == kTmpfsMagic;
}

// This run's subdirectory of `parent`, made afresh.
bool MakeRunDirectory(const std::string& parent, std::string& made) {
    made = parent + "/oltoma-bench-" + std::to_string(::getpid());
    std::error_code error;
    std::filesystem::create_directories(made, error);
    if (error) {
        std::fprintf(stderr, "cannot make %s: %s\n", made.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

void PrintSetting(const Context& context) {
    const StorageBenchOptions& options = context.options;
    std::printf("Storage engine against SQLite %s; seed %llu\n", sqlite3_libversion(),
                static_cast<unsigned long long>(options.seed));
    std::printf("disk directory:  %s%s\n", context.diskDirectory.c_str(),
                IsTmpfs(context.diskDirectory) ? "  (WARNING: this is tmpfs)" : "");
    std::printf("tmpfs directory: %s%s\n", context.tmpfsDirectory.c_str(),
                IsTmpfs(context.tmpfsDirectory) ? "" : "  (WARNING: this is not tmpfs)");
    std::printf(
        "inserts %zu (units of %zu in (e)), index keys %zu, lookups %zu, sync samples %zu, records "
        "of %zu "
        "bytes, keys of %zu characters, caches of %lld bytes\n\n",
        options.inserts, options.unitStores, options.indexKeys, options.lookups,
        options.syncSamples, kRecordLength, kKeyLength, static_cast<long long>(kEngineCacheBytes));
    std::fflush(stdout);
}

int Run(int argc, char** argv) {
    Context& context = TheContext();
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help") {
            std::printf("%s\n", StorageBenchUsage());
        }
    }
    std::string error;
    if (!ParseStorageBenchOptions(argc, argv, context.options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), StorageBenchUsage());
        return 2;
    }
    RegisterWorkloads();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    if (!MakeRunDirectory(context.options.diskDirectory, context.diskDirectory) ||
        !MakeRunDirectory(context.options.tmpfsDirectory, context.tmpfsDirectory)) {
        return 1;
    }
    if (!StartEngine(error)) {
        std::fprintf(stderr, "the storage engine did not start: %s\n", error.c_str());
        return 1;
    }
    const StorageBenchOptions& options = context.options;
    context.data = std::make_unique<DataSet>(
        options.seed, options.inserts > options.indexKeys ? options.inserts : options.indexKeys);
    context.expectedInserts = ExpectedScan(*context.data, options.inserts, true);
    context.expectedIndex = ExpectedScan(*context.data, options.indexKeys, false);
    PrintSetting(context);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    TheReadSetHolder().reset();
    StopEngine();
    std::error_code ignored;
    std::filesystem::remove_all(context.diskDirectory, ignored);
    std::filesystem::remove_all(context.tmpfsDirectory, ignored);
    PrintSummary();
    return AnyFailure() ? 1 : 0;
}

}  // namespace
}  // namespace oltoma::bench

int main(int argc, char** argv) {
    return oltoma::bench::Run(argc, argv);
}
