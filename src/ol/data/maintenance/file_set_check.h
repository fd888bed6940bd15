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
// whose files do not match its manifest (backup_manifest.h).
#pragma once

#include <string>
#include <vector>

namespace oltoma::ol {

// Checks the folder (file system name); the storage engine must be running.
// Returns one line (UTF-8) per problem, none for a sound directory.
std::vector<std::string> CheckFileSet(const std::string& folder);

}  // namespace oltoma::ol
