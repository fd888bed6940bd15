#include "storage_bench_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace oltoma::bench {
namespace {

struct Samples {
    std::vector<Measurement> runs;
};

std::map<std::pair<Workload, Side>, Samples>& Results() {
    static std::map<std::pair<Workload, Side>, Samples> results;
    return results;
}

std::map<Place, std::vector<SyncLatency>>& Latencies() {
    static std::map<Place, std::vector<SyncLatency>> latencies;
    return latencies;
}

std::vector<std::string>& Failures() {
    static std::vector<std::string> failures;
    return failures;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Operations per second of one side: median, lowest and highest of the runs,
// and syncs per operation.
struct Rate {
    bool present = false;
    double median = 0;
    double lowest = 0;
    double highest = 0;
    double syncsPerOperation = 0;
    double syncWaitsPerOperation = 0;
    // From the runs that measured the sync latency around themselves.
    bool floorMeasured = false;
    double appendSync = 0;
    double truncateSync = 0;
    double floorSeconds = 0;
    double floorRatio = 0;  // time per operation / floor, median of the runs
    double floorRatioLowest = 0;
    double floorRatioHighest = 0;
};

Rate RateOf(Workload workload, Side side) {
    Rate rate;
    const auto found = Results().find({workload, side});
    if (found == Results().end() || found->second.runs.empty()) {
        return rate;
    }
    std::vector<double> rates;
    std::vector<double> syncs;
    std::vector<double> waits;
    std::vector<double> appends;
    std::vector<double> truncates;
    std::vector<double> floors;
    std::vector<double> ratios;
    for (const Measurement& run : found->second.runs) {
        const double operations = static_cast<double>(run.operations);
        rates.push_back(run.seconds > 0 ? operations / run.seconds : 0);
        const double syncsPerOperation =
            operations > 0 ? static_cast<double>(run.syncs) / operations : 0;
        syncs.push_back(syncsPerOperation);
        const double waitsPerOperation =
            operations > 0 ? static_cast<double>(run.syncWaits) / operations : 0;
        waits.push_back(waitsPerOperation);
        const double floor =
            FloorSeconds(waitsPerOperation, run.appendSyncSeconds, run.truncateSyncSeconds);
        if (floor > 0 && operations > 0) {
            appends.push_back(run.appendSyncSeconds);
            truncates.push_back(run.truncateSyncSeconds);
            floors.push_back(floor);
            ratios.push_back(run.seconds / operations / floor);
        }
    }
    rate.present = true;
    rate.median = Median(rates);
    rate.lowest = *std::min_element(rates.begin(), rates.end());
    rate.highest = *std::max_element(rates.begin(), rates.end());
    rate.syncsPerOperation = Median(syncs);
    rate.syncWaitsPerOperation = Median(waits);
    if (!ratios.empty()) {
        rate.floorMeasured = true;
        rate.appendSync = Median(appends);
        rate.truncateSync = Median(truncates);
        rate.floorSeconds = Median(floors);
        rate.floorRatio = Median(ratios);
        rate.floorRatioLowest = *std::min_element(ratios.begin(), ratios.end());
        rate.floorRatioHighest = *std::max_element(ratios.begin(), ratios.end());
    }
    return rate;
}

// Median latency figures over the repetitions.
bool LatencyOf(Place place, SyncLatency& latency) {
    const auto found = Latencies().find(place);
    if (found == Latencies().end() || found->second.empty()) {
        return false;
    }
    std::vector<double> appends;
    std::vector<double> truncates;
    std::vector<double> overwrites;
    for (const SyncLatency& sample : found->second) {
        appends.push_back(sample.appendMean);
        truncates.push_back(sample.truncateMean);
        overwrites.push_back(sample.overwriteMean);
    }
    latency.appendMean = Median(appends);
    latency.truncateMean = Median(truncates);
    latency.overwriteMean = Median(overwrites);
    return true;
}

void PrintRate(const char* label, const Rate& rate) {
    if (!rate.present) {
        std::printf("  %-26s %14s\n", label, "(not run)");
        return;
    }
    std::printf("  %-26s %14.0f ops/s   (runs %.0f..%.0f)   %5.2f syncs/op\n", label, rate.median,
                rate.lowest, rate.highest, rate.syncsPerOperation);
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

void PrintRatio(const char* label, const Rate& engine, const Rate& other) {
    if (engine.present && other.present && other.median > 0) {
        std::printf("  %-26s %14.2f\n", label, engine.median / other.median);
    }
}

void PrintInsertWorkload(const char* title, Workload workload, Place place, bool floorGoal,
                         bool walGoal, bool rollbackGoal) {
    const Rate engine = RateOf(workload, Side::Engine);
    const Rate rollback = RateOf(workload, Side::SqliteRollback);
    const Rate wal = RateOf(workload, Side::SqliteWal);
    if (!engine.present && !rollback.present && !wal.present) {
        return;
    }
    std::printf("\n%s\n", title);
    PrintRate("engine unit AddRec+AddKey", engine);
    PrintRate("SQLite rollback/FULL", rollback);
    PrintRate("SQLite WAL/FULL", wal);
    PrintRatio("engine / SQLite rollback", engine, rollback);
    PrintRatio("engine / SQLite WAL", engine, wal);
    if (walGoal && engine.present && wal.present && wal.median > 0) {
        std::printf("  goal: engine / SQLite WAL at least 1: %s\n",
                    Verdict(engine.median / wal.median >= 1.0));
    }
    if (rollbackGoal && engine.present && rollback.present && rollback.median > 0) {
        std::printf("  goal: engine / SQLite rollback at least 1.2: %s\n",
                    Verdict(engine.median / rollback.median >= 1.2));
    }
    SyncLatency latency;
    if (LatencyOf(place, latency)) {
        std::printf(
            "  sync latency (sync_latency benchmark): append+fdatasync %.1f us, "
            "truncate+fdatasync %.1f us, overwrite in place+fdatasync %.1f us\n",
            latency.appendMean * 1e6, latency.truncateMean * 1e6, latency.overwriteMean * 1e6);
    }
    if (!engine.floorMeasured) {
        return;
    }
    const double truncateSyncs = kCommitsPerInsert;
    const double appendSyncs = std::max(0.0, engine.syncWaitsPerOperation - truncateSyncs);
    std::printf(
        "  sync latency during the engine's runs: append+fdatasync %.1f us, "
        "truncate+fdatasync %.1f us\n",
        engine.appendSync * 1e6, engine.truncateSync * 1e6);
    std::printf(
        "  floor: %.2f append sync waits x %.1f us + %.0f commit syncs x %.1f us = %.1f us/op"
        " (%.0f ops/s)\n",
        appendSyncs, engine.appendSync * 1e6, truncateSyncs, engine.truncateSync * 1e6,
        engine.floorSeconds * 1e6, 1.0 / engine.floorSeconds);
    std::printf("  engine time per op / floor: %.2f (runs %.2f..%.2f)", engine.floorRatio,
                engine.floorRatioLowest, engine.floorRatioHighest);
    if (floorGoal) {
        std::printf("   goal: within 1.2x of the floor: %s", Verdict(engine.floorRatio <= 1.2));
    }
    std::printf("\n");
    if (rollbackGoal && rollback.present && rollback.median > 0) {
        // What the engine would reach against SQLite if it spent no time
        // beyond its sync waits.
        std::printf("  engine at its floor / SQLite rollback: %.2f\n",
                    1.0 / engine.floorSeconds / rollback.median);
    }
}

void PrintReadWorkload(const char* title, Workload workload) {
    const Rate engine = RateOf(workload, Side::Engine);
    const Rate wal = RateOf(workload, Side::SqliteWal);
    if (!engine.present && !wal.present) {
        return;
    }
    std::printf("\n%s\n", title);
    PrintRate("engine", engine);
    PrintRate("SQLite WAL", wal);
    PrintRatio("engine / SQLite WAL", engine, wal);
    if (engine.present && wal.present && wal.median > 0) {
        std::printf("  goal: engine / SQLite WAL at least 2: %s\n",
                    Verdict(engine.median / wal.median >= 2.0));
    }
}

}  // namespace

double FloorSeconds(double syncWaitsPerInsert, double appendSyncSeconds,
                    double truncateSyncSeconds) {
    const double commitSyncs = kCommitsPerInsert;
    const double appendSyncs = std::max(0.0, syncWaitsPerInsert - commitSyncs);
    return appendSyncs * appendSyncSeconds + commitSyncs * truncateSyncSeconds;
}

const char* SideName(Side side) {
    switch (side) {
        case Side::Engine:
            return "engine";
        case Side::SqliteRollback:
            return "sqlite_rollback";
        case Side::SqliteWal:
            return "sqlite_wal";
    }
    return "";
}

void RecordMeasurement(Workload workload, Side side, const Measurement& measurement) {
    Results()[{workload, side}].runs.push_back(measurement);
}

void RecordSyncLatency(Place place, const SyncLatency& latency) {
    Latencies()[place].push_back(latency);
}

void RecordFailure(const std::string& what) {
    Failures().push_back(what);
}

bool AnyFailure() {
    return !Failures().empty();
}

void PrintSummary() {
    std::printf("\n==== Storage engine against SQLite 3 (median of runs) ====\n");
    PrintInsertWorkload("(a) durable inserts, disk directory", Workload::InsertDisk, Place::Disk,
                        true, false, true);
    PrintInsertWorkload("(b) durable inserts, tmpfs directory", Workload::InsertTmpfs, Place::Tmpfs,
                        false, true, false);
    PrintInsertWorkload("(e) inserts in store units / WAL transactions, disk directory",
                        Workload::UnitInsertDisk, Place::Disk, false, true, false);
    PrintInsertWorkload("(e) inserts in store units / WAL transactions, tmpfs directory",
                        Workload::UnitInsertTmpfs, Place::Tmpfs, false, true, false);
    PrintReadWorkload("(c) random FindKey / point SELECT, warm index", Workload::FindKey);
    PrintReadWorkload("(d) full NextKey scan / SELECT ... ORDER BY k", Workload::Scan);
    for (const std::string& failure : Failures()) {
        std::printf("FAILED: %s\n", failure.c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace oltoma::bench
