// The storage engine's operations. Each clears the engine status first and
// leaves IsamSucceeded / IsamError (isam_status.h) as its result; the rest
// of the system reaches them through the access layer (access_layer.h).
//
// Checks made before every operation except InitIsam: the engine must be
// initialised (10455); a fileblock reference must name an open fileblock
// (10445); AddRec, PutRec, DeleteRec, AddKey and DeleteKey are refused on a
// read-only fileblock (10065); key operations need 1 <= key number <=
// KeyCount (10164).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "storage/isam_types.h"

namespace oltoma::storage::engine {

// Starts the engine with locking mode 0 (no system locks) or 2 (system
// region locks) and a page cache of up to `pageBuffers` buffers (at least 8;
// at most 65536). Returns the number of buffers obtained. Fails with 10450
// when already initialised, 10451 when fewer than 8 are asked for, 10310 for
// another locking mode, 10000 when fewer than 8 could be allocated.
int InitIsam(int lockingMode, int pageBuffers);
// The locking mode chosen at InitIsam (0 when the engine is not running).
int LockingMode();
// Closes every open fileblock in opening order (the first failure's code is
// reported) and frees the page cache.
void ExitIsam();

// Creates the data and index files of a fileblock, deleting any files of
// that name first (10020 for a record length of 20 or less, 10050 for more
// than 100 keys, 10055 for a key length outside 1..30). `descriptors` holds
// at least numberOfKeys entries. The journal is made by the first open.
void MakeFileBlock(std::string_view name, std::int32_t recordLength, int numberOfKeys,
                   std::span<const IndexDescriptor> descriptors);
// Opens a fileblock; a pending journal is played back (journal mode). A
// writable open refuses files shorter than their headers count (10070). The
// system opens every fileblock read/write, in journal mode and not networked.
// `allReadOnly` opens the files read-only and shared with other readers;
// `network` is accepted and has no further effect.
void OpenFileBlock(FileBlock*& block, std::string_view name, bool readOnly, bool allReadOnly,
                   bool journalMode, bool network);
// Opens a fileblock read-only without playing back its journal, for
// inspection; `journalPending` tells whether the journal holds records
// (is longer than 1 byte). No file is created.
void OpenFileBlockForReading(FileBlock*& block, std::string_view name, bool& journalPending);
// Closes the fileblock (outside journal mode writing what is cached first);
// the reference becomes null. 10160 when a step failed.
void CloseFileBlock(FileBlock*& block);
// Deletes the data, index and journal files of a fileblock. Missing files
// are not an error; when any of them is held open the call fails with 10140
// (system error 32) and deletes nothing.
void DeleteFileBlock(std::string_view name);

// Record operations; `record` points to RecordLength bytes.
std::int32_t AddRec(FileBlock* block, const void* record);
void GetRec(FileBlock* block, std::int32_t recordNumber, void* record);
void PutRec(FileBlock* block, std::int32_t recordNumber, const void* record);
void DeleteRec(FileBlock* block, std::int32_t recordNumber);
std::int32_t FileLen(FileBlock* block);
std::int32_t UsedRecs(FileBlock* block);

// Key operations.
void AddKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, const IsamKeyStr& key);
void DeleteKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, const IsamKeyStr& key);
// Returns the record number of the key (with duplicates: the lowest), 0 and
// 10200 when there is none.
std::int32_t FindKey(FileBlock* block, int keyNumber, const IsamKeyStr& key);
// Returns the first entry not less than `key` (its key replaces `key`), or 0
// and 10210.
std::int32_t SearchKey(FileBlock* block, int keyNumber, IsamKeyStr& key);
// Steps to the entry after the index's position; when the index changed
// since the last search the position is found again from `key` and
// `recordNumber`. 10250 at the end (the next call starts from the first
// entry). On failure `key` and `recordNumber` are unchanged.
void NextKey(FileBlock* block, int keyNumber, IsamKeyStr& key, std::int32_t& recordNumber);
// Positions the index before its first entry.
void ClearKey(FileBlock* block, int keyNumber);
// The record number of the entry that AddKey of (key, recordNumber) would
// meet: without duplicates the entry of the key, with duplicates the entry
// (key, recordNumber); 0 when there is none. The index's position for
// NextKey is left as it was.
std::int32_t KeyEntryRecord(FileBlock* block, int keyNumber, std::int32_t recordNumber,
                            const IsamKeyStr& key);

// Store units (store_unit.h): the modifying operations between
// BeginStoreUnit and CommitStoreUnit are stored all or nothing. One unit at
// a time per fileblock (a second Begin fails with 10140). Outside journal
// mode a unit changes nothing about the operations.
void BeginStoreUnit(FileBlock* block);
// Makes the unit durable; false, with the unit undone (or, after a failed
// sync, left to the next open), when that failed or an operation of the unit
// failed before (the code it reported).
bool CommitStoreUnit(FileBlock* block);
// Undoes the unit (nothing when an operation already undid it).
void CancelStoreUnit(FileBlock* block);
// True from BeginStoreUnit until the unit is committed or cancelled (also
// when an operation failed and undid it). Leaves the status alone.
bool StoreUnitRunning(const FileBlock* block);
// False when the next AddRec would take a record the running unit deleted
// (and so fail); true without a unit. Leaves the status alone.
bool StoreUnitCanAddRecord(const FileBlock* block);
// Operations in the running unit and the bytes its journal holds or will
// hold when it ends (0 without a unit). They leave the status alone.
int StoreUnitOperations(const FileBlock* block);
std::int64_t StoreUnitJournalBytes(const FileBlock* block);

// The record length and key count of an open fileblock; 0 for a reference
// that is not open. They leave the status alone.
std::int32_t RecordLength(const FileBlock* block);
int KeyCount(const FileBlock* block);
// Whether index `keyNumber` of an open fileblock allows duplicates (false
// for a reference or key number that is not valid). Leaves the status alone.
bool KeyAllowsDuplicates(const FileBlock* block, int keyNumber);

}  // namespace oltoma::storage::engine
