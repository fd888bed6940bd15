// The results of the storage benchmark's workloads, kept as they are measured
// and printed at the end as one summary table with the goals.
#pragma once

#include <cstdint>
#include <string>

#include "storage_bench_sync.h"

namespace oltoma::bench {

enum class Side { Engine, SqliteRollback, SqliteWal };
enum class Workload { InsertDisk, InsertTmpfs, UnitInsertDisk, UnitInsertTmpfs, FindKey, Scan };
enum class Place { Disk, Tmpfs };

const char* SideName(Side side);

struct Measurement {
    std::uint64_t operations = 0;
    double seconds = 0;
    std::uint64_t syncs = 0;      // durable syncs made by the side during the workload
    std::uint64_t syncWaits = 0;  // of them waited for one after the other
    // The sync latency sampled in the same directory during the workload
    // (means); 0 when not measured.
    double appendSyncSeconds = 0;
    double truncateSyncSeconds = 0;
};

// The time per durable insert the journal protocol allows: the append sync
// waits (all but the commits) at the append+sync latency and the commit
// syncs at the truncate+sync latency.
double FloorSeconds(double syncWaitsPerInsert, double appendSyncSeconds,
                    double truncateSyncSeconds);

void RecordMeasurement(Workload workload, Side side, const Measurement& measurement);
void RecordSyncLatency(Place place, const SyncLatency& latency);
// A failed check or set-up: the run ends with a non-zero exit status.
void RecordFailure(const std::string& what);
bool AnyFailure();

// Prints the summary table (median of repetitions, with their spread) and
// the goals to standard output.
void PrintSummary();

// The engine's insert (AddRec and AddKey in one store unit) ends with one
// commit: a cut of the journal and a sync. Its other syncs follow appends
// and writes.
inline constexpr int kCommitsPerInsert = 1;

}  // namespace oltoma::bench
