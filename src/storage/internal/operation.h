// The frame of every modifying operation (AddRec, DeleteRec, AddKey,
// DeleteKey) on a fileblock (internal).
//
// In journal mode the body's changes are logged as it goes; on success the
// journal is flushed, the dirty pages and changed headers written, the
// changed file flushed and the journal committed. On failure after the body
// began changing the fileblock the journal is played back and the operation
// reports `rollbackCode` (10180 when playback fails); a failure before any
// change keeps the body's own code and changes nothing.
//
// A failed flush is not followed by playback: after a failed fdatasync the
// system may have dropped written data while reporting later syncs as
// successful, so what the files hold is unknown. The operation reports the
// flush's failure, memory returns to the state before it, and the fileblock
// refuses modifying operations (10140, with the flush's system error) until
// it is closed and opened again; the playback at that open decides.
//
// Inside a store unit the frame only marks the operation's start and end;
// a failure undoes the whole unit (store_unit.h).
//
// Outside journal mode the first modification after opening sets the
// modified marker (byte 20 of the data file) and the body's changes stay in
// the cache and the in-memory headers until close.
#pragma once

#include "storage/internal/fileblock.h"

namespace oltoma::storage {

bool StartModification(FileBlock& block, int key, int rollbackCode);
bool FinishModification(FileBlock& block, bool succeeded, int rollbackCode);

template <typename Body>
bool RunModifyingOperation(FileBlock& block, int key, int rollbackCode, Body&& body) {
    if (!StartModification(block, key, rollbackCode)) {
        return false;
    }
    return FinishModification(block, body(), rollbackCode);
}

// Refuses an operation before it began (its arguments): sets `code`; inside
// a store unit the unit is undone and reports as a failed operation of
// `rollbackCode`. Returns false.
bool RefuseOperation(FileBlock& block, int code, int rollbackCode);

// Writes the fileblock's dirty pages, changed key headers and changed data
// header.
bool WriteChanges(FileBlock& block);

// RowCount is the highest PageCount of all keys.
void RecomputeRowCount(FileBlock& block);

}  // namespace oltoma::storage
