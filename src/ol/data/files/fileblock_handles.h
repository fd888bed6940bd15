// Opening and closing the data layer's fileblocks by base name.
#pragma once

#include <cstdint>
#include <string_view>

#include "storage/isam_types.h"

namespace oltoma::ol {

// Opens the fileblock of a base name in the data directory into `handle`
// (left null on failure). A failure other than a missing file or folder is
// reported in MessageLine. Returns success.
bool OpenDataFile(storage::FileBlock*& handle, std::string_view baseName);

// Closes an open handle (a null one is left alone); a failure is reported
// in MessageLine. The handle is null afterwards.
void CloseDataFile(storage::FileBlock*& handle, std::string_view baseName);

// True when the last failure was a missing file or folder.
bool LastFailureWasMissingFile();

// The live records of an open fileblock (UsedRecs); 0 for a null handle or
// when the count cannot be read.
std::int32_t LiveRecordCount(storage::FileBlock* handle);

}  // namespace oltoma::ol
