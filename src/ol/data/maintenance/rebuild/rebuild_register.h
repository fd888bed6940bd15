// Rebuilding one register of the index rebuild: its new fileblock is
// created in the staging folder (the working data directory while the
// rebuild builds, rebuild_plan.h) and opened outside journal mode, every
// live record of the live data file is added through the register's add
// operation (which numbers the records 1, 2, 3, ... in their old order and
// adds all their keys), and the new fileblock is closed and forced to the
// disk. The live files are only read.
//
// Outside journal mode the new files get exactly the pages the add
// operations give them in journal mode; only the per-operation syncs are
// left out, which building aside makes unnecessary: the new files are not
// live until the whole rebuild is complete and on the disk.
//
// When anything fails (the new fileblock cannot be created or opened, a
// record cannot be read or added, the close or flush fails) the new files
// are deleted; the rebuild as a whole then changes nothing.
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
    std::string liveData;     // the live data file (file system name)
    std::string liveText;     // the live fileblock for progress line 2 (Windows-1252)
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
};

// Builds the register's new files; false when it failed (the new files are
// then deleted). Progress line 2 shows the live fileblock's name, line 3
// each record added; the indexing line ("indexerar fil: /NAME Recs:nnnn")
// and failures go to the message line.
bool RebuildRegister(const RegisterRebuild& job, const RebuildTexts& texts);

}  // namespace oltoma::ol
