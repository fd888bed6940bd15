// Files an index rebuild of earlier versions of the program may have left:
// they moved one register at a time to the temporary fileblock "filetmp"
// (filetmp.DAT, filetmp.IX, filetmp.DIA) in the data directory, which then
// held the only copy of that register's records until its new files were
// complete. The rebuild of this version builds aside (rebuild_plan.h) and
// never makes them; it refuses to run while they are there.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::ol {

inline constexpr std::string_view kRebuildTemporaryBase = "filetmp";

// The names of the temporary fileblock's files left in the data directory
// (of any case: filetmp.dat as well), empty when there are none.
std::string LeftoverTemporaryFiles();

// The register whose records the leftover temporary data file holds, told
// by its record length ("KLASS" + nn of `competition` for the classes and
// the like); empty when there is none or it cannot be told.
std::string LeftoverTemporaryRegister(int competition);

// Forces the data and index files of fileblock `base` to the disk (after it
// was written outside journal mode and closed). Returns success.
bool FlushFileBlockFiles(std::string_view base);

}  // namespace oltoma::ol
