// Command-line flags and environment variables of the storage benchmark.
//
//   flag                  environment variable        default
//   --disk_dir=PATH       OLTOMA_BENCH_DISK_DIR       bench-data (made when missing)
//   --tmpfs_dir=PATH      OLTOMA_BENCH_TMPFS_DIR      /dev/shm
//   --inserts=N           OLTOMA_BENCH_INSERTS        20000   workloads (a) and (b)
//   --index_keys=N        OLTOMA_BENCH_INDEX_KEYS     100000  workloads (c) and (d)
//   --lookups=N           OLTOMA_BENCH_LOOKUPS        1000000 workload (c)
//   --unit_stores=N       OLTOMA_BENCH_UNIT_STORES    256     stores per unit in (e)
//   --sync_samples=N      OLTOMA_BENCH_SYNC_SAMPLES   300     sync latency samples
//   --seed=N              OLTOMA_BENCH_SEED           20261210
//
// A flag wins over its variable. Each run works in a fresh subdirectory of
// each directory and removes it at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace oltoma::bench {

struct StorageBenchOptions {
    std::string diskDirectory = "bench-data";
    std::string tmpfsDirectory = "/dev/shm";
    std::size_t inserts = 20000;
    std::size_t unitStores = 256;
    std::size_t indexKeys = 100000;
    std::size_t lookups = 1000000;
    std::size_t syncSamples = 300;
    std::uint64_t seed = 20261210;
};

// Reads the environment, then takes this benchmark's flags out of argv
// (leaving Google Benchmark's own). Returns false with `error` set for a bad
// value.
bool ParseStorageBenchOptions(int& argc, char** argv, StorageBenchOptions& options,
                              std::string& error);

// The flags, for --help.
const char* StorageBenchUsage();

}  // namespace oltoma::bench
