// The latency of one fdatasync as the repair journal uses it: a small append
// to a 1-byte file followed by a sync, and a cut back to 1 byte followed by a
// sync. A plain overwrite syncs no file size and is faster; it is measured as
// well, as the sync of a store that keeps its files' sizes (SQLite's rollback
// mode in exclusive locking keeps its journal and overwrites it).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace oltoma::bench {

struct SyncLatency {
    double appendMean = 0;  // seconds per append + fdatasync
    double appendMedian = 0;
    double truncateMean = 0;  // seconds per ftruncate + fdatasync
    double truncateMedian = 0;
    double overwriteMean = 0;  // seconds per overwrite in place + fdatasync
    double overwriteMedian = 0;
    std::size_t samples = 0;
    std::string failure;  // empty when measured
};

// A scratch file in a directory that takes latency samples one at a time, so
// they can be spread over a workload and see the disk as it sees it.
class SyncProbe {
public:
    explicit SyncProbe(const std::string& directory);
    ~SyncProbe();
    SyncProbe(const SyncProbe&) = delete;
    SyncProbe& operator=(const SyncProbe&) = delete;

    // One append (64 bytes) + sync, one truncate + sync and one overwrite in
    // place (64 bytes) + sync; false after a failure (see Result().failure).
    bool Sample();
    // The samples taken so far (removes nothing).
    SyncLatency Result() const;

private:
    std::string path_;
    std::string overwritePath_;
    int file_ = -1;
    int overwriteFile_ = -1;
    std::string failure_;
    std::vector<double> appends_;
    std::vector<double> truncates_;
    std::vector<double> overwrites_;
};

// Takes `samples` samples in a row in `directory`.
SyncLatency MeasureSyncLatency(const std::string& directory, std::size_t samples);

}  // namespace oltoma::bench
