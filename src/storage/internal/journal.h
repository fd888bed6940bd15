// Journal protocol of a modifying operation in journal mode (internal).
//
// Protocol, for an operation on key K of fileblock F (K = 0: the data file):
//   1. At the start the header of K is remembered.
//   2. Before a page is changed for the first time its before-image is
//      logged, unless the page was free or newly appended before the
//      operation (its allocation is undone by the header records).
//   3. Every allocation logs a header record (code 1000): the first one the
//      header before the operation; every later allocation from a free list
//      its own record (header just before it, free head just after it)
//      followed again by the earlier records of the operation, newest first,
//      so playback re-links every element taken and ends with the header as
//      it was before the operation. An operation without allocation logs the
//      header once: DeleteRec and DeleteKey before their first change, the
//      others at the end.
//   4. Records are collected in memory and written, then flushed, before the
//      first write of any kind to F's data or index file (page, header,
//      record, zero row, or free-list link) and before the operation writes
//      its results.
//   5. The operation writes its record or dirty pages and changed headers and
//      flushes the file it changed.
//   6. Commit: the journal is cut to its 1 leading byte and flushed.
// A failure after the operation began changing F plays the journal back. A
// failing flush does not: what reached the disk is then unknown, so the
// fileblock takes no more changes until it is opened again, when playback
// decides (operation.h).
//
// Inside a store unit (store_unit.h) the same hooks keep the unit's journal
// instead of the operation's.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

void BeginOperation(FileBlock& block, int key);
void EndOperation(FileBlock& block);
bool JournalActive(const FileBlock& block);

// True when a change of `page` of `key` must log its before-image first.
bool NeedsPageImage(const FileBlock& block, int key, std::int32_t page);
void LogPageImage(FileBlock& block, int key, std::int32_t page, const IndexPage& before);
// Notes a page the operation allocated (it has no before-image).
void NoteFreshPage(FileBlock& block, int key, std::int32_t page);
// Logs the header of the operation's key as it was before the operation,
// unless a header record is already logged.
void LogHeaderOnce(FileBlock& block);
// Logs an allocation of key `key`, called before the header changes.
// freeHeadAfter is the new free head when the element comes from the free
// list, else kNoFreeListTake. False (status set) when a unit may not take it.
bool LogAllocation(FileBlock& block, int key, std::int32_t freeHeadAfter);
// Notes that `element` of `key` goes to the free list; `firstBytes` are a
// record's first 4 bytes before (kept by a unit to restore them).
void NoteRelease(FileBlock& block, int key, std::int32_t element, std::int32_t firstBytes);

// Appends the page record of `before` (page `page` of `key`) to `out`.
void AppendPageRecord(std::vector<std::uint8_t>& out, const FileBlock& block, int key,
                      std::int32_t page, const IndexPage& before);

// The header record of key `key` with `data` or `index` as its image.
HeaderRecord MakeHeaderRecord(int key, const DataHeader& data, const KeyHeader& index,
                              std::int32_t freeHeadAfter);

// Flushes `file` of the fileblock; a failure marks the fileblock as one
// whose sync failed (it takes no more changes until reopened).
bool SyncFile(FileBlock& block, FileHandle& file);

// Writes the records not yet written and flushes the journal.
bool FlushJournal(FileBlock& block);
// Step 4 seen from a write of the data or index file.
bool PrepareWrite(FileBlock& block);

// Cuts the journal to 1 byte and syncs it. False when the cut or the sync
// failed (a failed sync marks the fileblock).
bool Commit(FileBlock& block);

// Plays the journal back (records from offset 1 to the end), flushes the
// data and index files and cuts the journal to 1 byte. Pages and free-list
// links are written only within the files' present length; RowCount is
// recomputed from the restored headers. Fails with 10430 on a
// read-only fileblock, 10180 for a bad record or a failing read or write.
bool Playback(FileBlock& block);

}  // namespace oltoma::storage
