// The modified marker of a data file (storage/data_header.h): set while a
// program writes the file without journalling, cleared when it closes it.
// A data file found with the marker set was left by such a program before
// it closed; its header's slot count may be behind the records it wrote.
#pragma once

#include <optional>
#include <string>

namespace oltoma::ol {

// For the data file `dataFileName` (file system name): nothing when its
// marker is clear or its header cannot be read (its own check says so);
// else the text "modified marker set (...); N whole records beyond the
// slot count S" for the check's line.
std::optional<std::string> ModifiedMarkerText(const std::string& dataFileName);

}  // namespace oltoma::ol
