// The order of the register and pick lists: lines compare as their
// upper-cased texts compare as index keys, equal ones by their bytes, so a
// list shows its lines in the order of the register's index and never in
// the order of the desktop's language settings.
#pragma once

#include <string_view>

namespace oltoma::registers {

// Negative, zero or positive as line a sorts before, with or after b
// (Windows-1252 texts).
int CompareListLines(std::string_view a, std::string_view b);

}  // namespace oltoma::registers
