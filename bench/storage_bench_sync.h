// The latency of one fdatasync as the repair journal uses it: a small append
// to a 1-byte file followed by a sync, and a cut back to 1 byte followed by a
// sync. A plain overwrite would sync no file size and give too low a floor.
#pragma once

#include <cstddef>
#include <string>

namespace oltoma::bench {

struct SyncLatency {
    double appendMean = 0;  // seconds per append + fdatasync
    double appendMedian = 0;
    double truncateMean = 0;  // seconds per ftruncate + fdatasync
    double truncateMedian = 0;
    std::size_t samples = 0;
    std::string failure;  // empty when measured
};

// Measures `samples` cycles of append (64 bytes) + sync and truncate + sync on
// a scratch file in `directory` (removed afterwards).
SyncLatency MeasureSyncLatency(const std::string& directory, std::size_t samples);

}  // namespace oltoma::bench
