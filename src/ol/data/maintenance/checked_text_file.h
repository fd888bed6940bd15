// Small text files of the maintenance commands (the rebuild plan, the
// backup manifest) that must be whole or absent: a last line
// "check " + the FNV-1a checksum (fnv_checksum.h) of every byte before it,
// written under a temporary name, synced and renamed into place, the folder
// synced after.
#pragma once

#include <string>

namespace oltoma::ol {

// Writes `body` and its check line as `name` in `folder` (file system
// names). False with the engine status set.
bool WriteCheckedTextFile(const std::string& folder, const std::string& name,
                          const std::string& body);

enum class CheckedTextState { absent, damaged, read };

// Reads the file; `body` gets the text before the check line when it is
// sound. A file that cannot be read counts as damaged.
CheckedTextState ReadCheckedTextFile(const std::string& path, std::string& body);

}  // namespace oltoma::ol
