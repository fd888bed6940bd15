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
// Outside journal mode the first modification after opening sets the
// modified marker (byte 20 of the data file) and the body's changes stay in
// the cache and the in-memory headers until close.
#pragma once

#include "storage/internal/fileblock.h"

namespace oltoma::storage {

bool StartModification(FileBlock& block, int key);
bool FinishModification(FileBlock& block, bool succeeded, int rollbackCode);

template <typename Body>
bool RunModifyingOperation(FileBlock& block, int key, int rollbackCode, Body&& body) {
    if (!StartModification(block, key)) {
        return false;
    }
    return FinishModification(block, body(), rollbackCode);
}

// Writes the fileblock's dirty pages, changed key headers and changed data
// header.
bool WriteChanges(FileBlock& block);

// RowCount is the highest PageCount of all keys.
void RecomputeRowCount(FileBlock& block);

}  // namespace oltoma::storage
