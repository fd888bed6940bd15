// Fault injection under the file primitives. Only the test variant of the
// storage library (oltoma_storage_faulty, built with
// OLTOMA_STORAGE_FAULT_SEAM) contains it; the program's library calls the
// operating system directly.
//
// Writes are pwrite calls, truncations and the changes of a folder's entries
// (creating a file or folder, renaming, deleting); flushes are fdatasync
// calls and folder syncs. Counting starts at Reset().
//
// The machine model: a file's bytes written since its last fdatasync are not
// on the disk yet, whether or not the file was closed since, and a folder's
// new, renamed and deleted entries are not on the disk until the folder is
// synced (a rename between two folders needs both). A machine crash loses
// what is not on the disk.
#pragma once

#include <cerrno>

namespace oltoma::storage::fault {

enum class CrashKind {
    // The process dies: everything done so far stays.
    KeepWrites,
    // The machine dies: unsynced writes and truncations are undone (bytes
    // and sizes), unsynced folder changes vanish (a new file disappears, a
    // renamed file has its old name, a deleted file is back).
    LoseUnsynced,
    // The machine dies as above, except that bytes appended since a file's
    // last sync come back as zeros: the file keeps the size it had.
    ZeroUnsyncedAppends,
};

// Clears every fault, the crashed state and the counters.
void Reset();
// Counts flushes without reaching the disk, for fast sweeps. The machine
// model still treats them as syncs.
void SkipSyncs(bool skip);
// The n-th write (1 = the next) fails with the system error `errnoValue`.
void FailWriteAt(long n, int errnoValue = EIO);
// The n-th flush and the count - 1 flushes after it fail with an I/O error.
void FailFlushAt(long n, long count = 1);
// At the n-th write the program crashes: that write and every later write,
// truncation, flush, delete and rename is dropped and reported as done, until
// Restart(). Reads and closes still reach the files; files and folders
// created after the crash are removed again at Restart().
void CrashAtWrite(long n, CrashKind kind);
// The same at the n-th flush, which does not happen.
void CrashAtFlush(long n, CrashKind kind);
bool Crashed();
// Leaves the crashed state (the program starts again).
void Restart();

long Writes();
long Flushes();

}  // namespace oltoma::storage::fault
