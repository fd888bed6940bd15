// The access layer: the only way the rest of the system reaches the storage
// engine. Each operation forwards to the engine (isam_engine.h) and leaves
// the engine status as the engine set it; callers test IsamSucceeded()
// (isam_status.h) after every call and report failures themselves.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "storage/isam_status.h"
#include "storage/isam_types.h"

namespace oltoma::storage {

void CreateFileBlock(std::string_view name, std::int32_t recordLength, int numberOfKeys,
                     std::span<const IndexDescriptor> descriptors);
// Opens read/write, in journal mode, not networked.
void OpenFileBlock(FileBlock*& block, std::string_view name);
void CloseFileBlock(FileBlock*& block);
void DeleteFileBlock(std::string_view name);

std::int32_t AddRec(FileBlock* block, const void* record);
void GetRec(FileBlock* block, std::int32_t recordNumber, void* record);
void PutRec(FileBlock* block, std::int32_t recordNumber, const void* record);
void DeleteRec(FileBlock* block, std::int32_t recordNumber);
std::int32_t FileLen(FileBlock* block);
std::int32_t UsedRecs(FileBlock* block);

// Keys longer than 30 characters are cut to 30 first.
void AddKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, std::string_view key);
void DeleteKey(FileBlock* block, int keyNumber, std::int32_t recordNumber, std::string_view key);
std::int32_t FindKey(FileBlock* block, int keyNumber, std::string_view key);
std::int32_t SearchKey(FileBlock* block, int keyNumber, IsamKeyStr& key);
void NextKey(FileBlock* block, int keyNumber, IsamKeyStr& key, std::int32_t& recordNumber);
void ClearKey(FileBlock* block, int keyNumber);
// The record number of the entry AddKey of (key, recordNumber) would meet (0
// when none); leaves the position for NextKey alone.
std::int32_t KeyEntryRecord(FileBlock* block, int keyNumber, std::int32_t recordNumber,
                            std::string_view key);

// Store units: the modifying operations on a fileblock between
// BeginStoreUnit and CommitStoreUnit are stored all or nothing, across
// crashes and I/O errors, with three sync waits for the whole unit. An
// operation that fails inside the unit undoes all of it and reports
// 10001..10004 for the failing operation (10001 for PutRec; an ordinary
// refusal such as 10230 keeps its own code); the unit then refuses further
// changes with that code until it is committed (which reports it) or
// cancelled. Inside a unit, PutRec of a record the unit added is part of it,
// PutRec of any other record is written at once as outside a unit, and a
// record the unit deleted cannot be added back by it (AddRec fails). One
// unit at a time per fileblock.
void BeginStoreUnit(FileBlock* block);
bool CommitStoreUnit(FileBlock* block);
void CancelStoreUnit(FileBlock* block);
// True from BeginStoreUnit until the unit is committed or cancelled.
bool StoreUnitRunning(const FileBlock* block);
// False when the next AddRec would take a record the running unit deleted
// (which it refuses): a run of stores then ends the unit first.
bool StoreUnitCanAddRecord(const FileBlock* block);
// Operations in the running unit, and the bytes its journal will hold.
int StoreUnitOperations(const FileBlock* block);
std::int64_t StoreUnitJournalBytes(const FileBlock* block);

// Starts the engine with a locking mode and page buffers as the engine's
// start does (storage_start.h starts it the program's way); returns the
// buffers obtained.
int InitIsam(int lockingMode, int pageBuffers);
void ExitIsam();

// Opens a fileblock read-only without playing back its journal, for
// inspection; `journalPending` tells whether the journal holds records. No
// file is created.
void OpenFileBlockForReading(FileBlock*& block, std::string_view name, bool& journalPending);
// Opens read/write outside journal mode: for files that are not live yet
// (the index rebuild's new files), written and synced once at closing.
void OpenFileBlockWithoutJournal(FileBlock*& block, std::string_view name);

// The record length and key count of an open fileblock; 0 for a reference
// that is not open. They leave the status alone.
std::int32_t RecordLength(const FileBlock* block);
int KeyCount(const FileBlock* block);
// Whether an index allows duplicate keys; leaves the status alone.
bool KeyAllowsDuplicates(const FileBlock* block, int keyNumber);

}  // namespace oltoma::storage
