// Rebuilding one register of the index rebuild: its fileblock is moved to
// the temporary names, created anew and opened outside journal mode, every
// live record of the old data file is added through the register's add
// operation (which numbers the records 1, 2, 3, ... in their old order and
// adds all their keys), the new fileblock is closed and forced to the disk,
// and only then is the temporary fileblock deleted.
//
// Outside journal mode the new files get exactly the pages the add
// operations give them in journal mode; only the per-operation syncs are
// left out, which the temporary fileblock makes unnecessary: until the new
// fileblock is on the disk, the old records are still there.
//
// When anything fails after the move (the new fileblock cannot be created
// or opened, a record cannot be read or added, the close or flush fails),
// the new files are deleted and the old ones moved back: the register is
// then as it was, and its records keep their numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ol/data/files/file_formats.h"
#include "storage/isam_types.h"

namespace oltoma::ol {

// Message texts of the rebuild, each cut to 22 characters.
struct RebuildTexts {
    std::string cannotRename;  // 518 'Kan ej "Rename" fil '
    std::string failed;        // 519 ' misslyckad "indexBuild" '
    std::string indexing;      // 520 " indexerar fil: "
    std::string finished;      // 521 " ...klart!!"
};
RebuildTexts LoadRebuildTexts();

struct RegisterRebuild {
    std::string base;         // fileblock base name, e.g. "CLUBAR", "KLASS01"
    std::string displayName;  // in the indexing line: "CLUBAR", "KLASS01.Dat"
    const IndexedFileFormat* format = nullptr;
    storage::FileBlock** handle = nullptr;  // the handle the add operation uses
    // Adds one live record (format->recordLength bytes, as stored) through
    // the register's add operation and returns its new record number, or 0
    // when the add failed. `progressName` gets what the progress line shows
    // after "Rec:" and the number.
    std::function<std::int32_t(std::uint8_t* record, std::string& progressName)> add;
    // Sees every live record carried over, with its old and new numbers and
    // the record as stored.
    std::function<void(std::int32_t oldRc, std::int32_t newRc, const std::uint8_t* record)> visit;
    // Forgets what visit saw (the rebuild failed half way).
    std::function<void()> reset;
    // Told, after reset, when the old records cannot be read back either: a
    // renumbering table then keeps every number as it is.
    std::function<void()> unreadable;
};

enum class RebuildOutcome { rebuilt, notRebuilt };

// Rebuilds the register. When it could not be rebuilt, `reset` runs and
// `visit` then sees every live record of the old files with its own number
// (so a renumbering table built by visit is the identity), or `unreadable`
// runs when they cannot be read. Progress line 2
// shows the data directory and the base name, line 3 each record added;
// the indexing line ("indexerar fil: /NAME Recs:nnnn") and failures go to
// the message line (message 518 + name + 519 when the files cannot be moved
// or the temporary fileblock cannot be deleted).
RebuildOutcome RebuildRegister(const RegisterRebuild& job, const RebuildTexts& texts);

// Runs visit over every live record of the register's data file with its
// own number. False when the file cannot be read.
bool VisitLiveRecords(const RegisterRebuild& job);

}  // namespace oltoma::ol
