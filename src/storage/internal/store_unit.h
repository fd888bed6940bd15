// Store units (internal): a run of modifying operations on one fileblock in
// journal mode that is all-or-nothing across crashes and I/O errors.
//
// While a unit runs, nothing of it reaches the data and index files except
// pages the cache must evict: record writes, free-list links, zero rows,
// dirty pages and headers wait in memory. Every page is logged once (its
// state before the unit). When the unit ends:
//   1. its journal is written and synced (one sync);
//   2. zero rows, pages, page links, key headers, records and the data
//      header are written; the changed files are synced (the data and the
//      index file together, so one sync's wait);
//   3. the journal is cut to its 1 byte and synced (the commit).
// What step 2 writes is byte for byte what the operations write one by one:
// each page as the last operation that wrote it left it (a page that an
// operation changes and then releases keeps its earlier contents under its
// link, as a single operation leaves it).
// An eviction during the unit first writes and syncs what the journal holds
// so far, as a single operation does.
//
// The journal holds only the record kinds of journal_format.h and is played
// back by the landed playback. Page records restore the pages as they were
// before the unit. Each part of the journal written at a sync ends with the
// restore records of every key the unit touched:
//   - for each element taken from a free list of before the unit, a header
//     record whose image is the key's header before the unit with FreeHead =
//     that element and whose FreeHeadAfter is the element's old link, so
//     playback writes the link back;
//   - for each record the unit deleted that was live before it, the same
//     with FreeHeadAfter = the record's first 4 bytes before the unit (a
//     record whose first 4 bytes were -2 cannot be restored this way and
//     keeps its link, as after an undone single DeleteRec);
//   - then the key's header before the unit (FreeHeadAfter -2), which every
//     playback of the journal so far ends with.
// These records touch only elements that were free or deleted, never a page
// with a before-image, so their order against the page records does not
// matter. A part whose write fails is cut off again before the unit is
// undone, so playback never meets half a part.
//
// A record the unit deleted cannot be taken again by it (its bytes could not
// be restored): such an AddRec fails and undoes the unit. PutRec of a record
// the unit added or deleted is held with the unit's writes; PutRec of any
// other record is written at once, unjournalled, as outside a unit.
//
// An operation that fails undoes the whole unit (playback when its journal
// reached the file) and reports 10001..10004 for the failing operation
// (10001 for PutRec), or its own code when it was an ordinary refusal of
// class 1 (10220, 10230); 10180 when playback fails. The unit then refuses
// further modifying operations with that code until it is ended or
// abandoned. A failed sync undoes nothing: the fileblock refuses changes
// until it is opened again (operation.h).
#pragma once

#include <cstdint>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

// True while a unit runs on the fileblock in journal mode.
bool InUnit(const FileBlock& block);

void StartUnit(FileBlock& block);
// Makes the unit durable (steps 1..3). False with the status set when it
// failed: undone (the last operation's rollback code) or, after a failed
// sync, left to the next open.
bool CommitUnit(FileBlock& block);
// Undoes everything the unit did; the unit ends. False (10180) when the
// playback failed.
bool AbandonUnit(FileBlock& block);

// The frame of one operation inside the unit.
void StartUnitOperation(FileBlock& block, int key, int rollbackCode);
// Counts a finished operation and notes what it would have written. False
// (status set) when a page could not be read for that.
bool FinishUnitOperation(FileBlock& block);
// Undoes the unit after a failed operation and sets the status (see above).
// Returns false.
bool FailUnit(FileBlock& block, int rollbackCode);

// The journal of the unit.
bool UnitNeedsPageImage(const FileBlock& block, int key, std::int32_t page);
void UnitLogPageImage(FileBlock& block, int key, std::int32_t page, const IndexPage& before);
void UnitNoteFreshPage(FileBlock& block, int key, std::int32_t page);
// A page the running operation stored.
void UnitNoteStored(FileBlock& block, int key, std::int32_t page);
// An element taken from the free list of `key`, whose link was `link`.
// False (10140) when it is a record the unit deleted that was live before.
bool UnitNoteTake(FileBlock& block, int key, std::int32_t element, std::int32_t link);
// An element released to the free list; `firstBytes` are the first 4 bytes
// of a record before its release.
void UnitNoteRelease(FileBlock& block, int key, std::int32_t element, std::int32_t firstBytes);
// Writes and syncs what the journal does not hold yet, before a write of
// the data or index file.
bool UnitPrepareWrite(FileBlock& block);

// True when `record` was live before the unit and the unit deleted it.
bool UnitDeletedLiveRecord(const FileBlock& block, std::int32_t record);

// The unit's writes of records and links, held until it ends.
bool UnitHoldsRecord(const FileBlock& block, std::int32_t record);
void UnitWriteRecord(FileBlock& block, std::int32_t record, const void* bytes);
// Reads a record as the unit sees it; false with the status set.
bool UnitReadRecord(FileBlock& block, std::int32_t record, void* bytes);
// Reads and writes the free-list link of an element as the unit sees it.
bool UnitReadLink(FileBlock& block, int key, std::int32_t element, std::int32_t& link);
void UnitWriteLink(FileBlock& block, int key, std::int32_t element, std::int32_t link);
// Writes the zero rows the unit appended that the index file lacks.
bool EnsureRows(FileBlock& block);

}  // namespace oltoma::storage
