// Fault injection under the file primitives. Only the test variant of the
// storage library (oltoma_storage_faulty, built with
// OLTOMA_STORAGE_FAULT_SEAM) contains it; the program's library calls the
// operating system directly.
//
// Writes are pwrite calls and truncations; flushes are fdatasync calls.
// Counting starts at Reset(). Every write is remembered until its file is
// flushed or closed, so that a machine crash can take it back.
#pragma once

namespace oltoma::storage::fault {

enum class CrashKind {
    KeepWrites,    // the process dies: writes made so far stay in the files
    LoseUnsynced,  // the machine dies: writes since each file's last flush are lost
};

// Clears every fault, the crashed state and the counters.
void Reset();
// Counts flushes without reaching the disk, for fast sweeps.
void SkipSyncs(bool skip);
// The n-th write (1 = the next) fails with an I/O error.
void FailWriteAt(long n);
// The n-th flush and the count - 1 flushes after it fail with an I/O error.
void FailFlushAt(long n, long count = 1);
// At the n-th write the process crashes: that write and every later write,
// truncation, flush, delete and rename is dropped and reported as done, until
// Restart(). Reads and closes still reach the files.
void CrashAtWrite(long n, CrashKind kind);
bool Crashed();
// Leaves the crashed state (the program starts again).
void Restart();

long Writes();
long Flushes();

}  // namespace oltoma::storage::fault
