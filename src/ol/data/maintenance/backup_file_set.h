// The files a backup copy takes from the data directory, in the order it
// copies them (the engine's names; journals are not copied):
//   OLTOMA.DAT  CLUBAR.DAT CLUBAR.IX  DISTR.DAT DISTR.IX
//   RUTBESKR.DAT RUTBESKR.IX  RUTB24.DAT RUTB24.IX
//   and for competition nn: KLASSnn.DAT OLnn.DAT OLnn.IX KLASSnn.IX
//   TRACKnn.DAT TRACKnn.IX KONTRnn.DAT KONTRnn.IX CLUBSnn.Dat
//   then Etikett.DAT Etikett.IX giroP.DAT giroP.IX giroB.DAT giroB.IX
// The copy and the check of its manifest share the list.
#pragma once

#include <string>
#include <vector>

namespace oltoma::ol {

// A file of the backup: the fileblock it belongs to (empty for the club
// table) and its name in the data directory and in the target folder.
struct BackupFile {
    std::string fileBlock;
    std::string name;
};

// The files of a backup of `competition` (0: the common files only).
std::vector<BackupFile> BackupFileSet(int competition);

// Each file is copied under its name with this suffix in the target folder
// and renamed over its name when the whole set is copied.
inline constexpr const char* kBackupTemporarySuffix = ".TMP";

}  // namespace oltoma::ol
