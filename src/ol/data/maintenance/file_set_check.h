// The check of a data directory for support staff (oltoma-tool check): every
// fileblock in it is opened read-only, without playing back its journal,
// and checked:
//   - whether it opens at all, and whether a journal is pending;
//   - the storage engine's structural check of its data and index files;
//   - for the orienteering registers (by base name: OLTOMA, CLUBAR, DISTR,
//     RUTBESKR, RUTB24, KLASSnn, OLnn, TRACKnn, KONTRnn): the record length,
//     and that every key matches its record: each live record has exactly
//     the keys the register builds from its fields, and every index entry
//     is such a key of a live record;
// and the club tables CLUBSnn.Dat must be 41080 bytes. Files of an
// interrupted index rebuild ("filetmp") are reported, and so is a backup
// whose files do not match its manifest (backup_manifest.h), a data file
// whose modified marker is set (modified_marker.h), a file the set must
// hold and lacks (file_set_presence.h) and a reference between files that
// does not agree (file_set_references.h). Registers of other subsystems
// (labels and giro slips) are checked the same way when the caller
// describes them.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ol/data/files/file_formats.h"

namespace oltoma::ol {

// A register the data layer does not know itself: its base name, how its
// file is made, and the keys (key number, text) of a live record.
struct CheckedRegister {
    std::string base;
    IndexedFileFormat format;
    std::function<std::vector<std::pair<int, std::string>>(const void* record)> keys;
};

// Checks the folder (file system name); the storage engine must be running.
// Returns one line (UTF-8) per problem, none for a sound directory. What is
// allowed but worth knowing (a course's control code without a control)
// goes to `notices` when given; notices alone leave the directory sound.
std::vector<std::string> CheckFileSet(const std::string& folder,
                                      std::span<const CheckedRegister> others = {},
                                      std::vector<std::string>* notices = nullptr);

}  // namespace oltoma::ol
