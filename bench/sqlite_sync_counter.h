// A SQLite VFS that forwards to the default one and counts the file calls
// that cost on a disk, so the SQLite side's syncs per operation are measured
// in the same run as the engine's.
#pragma once

#include <cstdint>

namespace oltoma::bench {

struct SqliteFileCalls {
    std::uint64_t syncs = 0;
    std::uint64_t writes = 0;
    std::uint64_t truncates = 0;
    std::uint64_t reads = 0;
};

// Registers the VFS (once; not as the default). Returns its name, or nullptr
// when registration failed.
const char* CountingVfsName();

// Calls made through the VFS so far.
SqliteFileCalls CountedSqliteCalls();

}  // namespace oltoma::bench
