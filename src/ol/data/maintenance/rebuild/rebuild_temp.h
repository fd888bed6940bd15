// The temporary fileblock of the index rebuild: "filetmp" in the data
// directory with the engine's extensions (filetmp.DAT, filetmp.IX,
// filetmp.DIA). While one register is rebuilt its old files sit under these
// names; they hold the only copy of its records until the new fileblock is
// complete and on the disk, so they are never overwritten and never
// deleted before then.
#pragma once

#include <string>
#include <string_view>

#include "storage/fileblock_names.h"

namespace oltoma::ol {

inline constexpr std::string_view kRebuildTemporaryBase = "filetmp";

// The file system names of the temporary fileblock.
storage::FileBlockNames TemporaryFileNames();

// The names of the temporary fileblock's files left in the data directory
// (of any case: filetmp.dat as well), empty when there are none.
std::string LeftoverTemporaryFiles();

// Moves the fileblock `base` to the temporary names: its index, then its
// data file, then its journal; an index or journal that does not exist is
// no failure, a missing data file is. Refuses (system error 80) when a
// temporary file already exists. When a move fails, what was moved is moved
// back. Returns success; the engine status tells the failure.
bool RenameToTemp(std::string_view base);

// Moves the temporary files back to the names of `base` (whose new files
// must be gone). Returns success.
bool RestoreFromTemp(std::string_view base);

// Deletes the temporary fileblock. Returns success.
bool DropTemp();

// Forces the data and index files of fileblock `base` to the disk (after it
// was written outside journal mode and closed). Returns success.
bool FlushFileBlockFiles(std::string_view base);

}  // namespace oltoma::ol
