// The files a data directory must hold, for the check of a file set: the
// common files (OLTOMA.DAT and the data and index files of CLUBAR, DISTR,
// RUTBESKR and RUTB24, as new files makes them) and, for each competition
// to check, the data and index files of KLASSnn, OLnn, TRACKnn and KONTRnn
// and its club table CLUBSnn.Dat. The competitions to check are the live
// records of OLTOMA; in a backup copy (a folder with a manifest) only the
// competition the backup holds.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace oltoma::ol {

// The competitions of `folder` whose files must be there: the manifest's
// competition in a backup copy, else the live competitions of OLTOMA (none
// when it cannot be opened).
std::vector<int> CompetitionsToCheck(const std::string& folder);

// One line (UTF-8) "NAME: missing" for each required file not among
// `names` (the regular files of the folder). A backup copy's files that its
// manifest lists are left to the manifest's check.
std::vector<std::string> MissingFiles(const std::string& folder, const std::set<std::string>& names,
                                      const std::vector<int>& competitions);

}  // namespace oltoma::ol
