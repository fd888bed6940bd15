// Record numbers read from files (a participant's `KlassRc` and `ClubRc`,
// the numbers a register keeps) are checked before they are used to read a
// record or index a table.
#pragma once

#include <cstdint>

namespace oltoma::ol {

// True when rc names a record of a file with fileLen slots: 0 < rc <
// fileLen (slot 0 is the file's header).
constexpr bool IsRecordNumberInFile(std::int32_t rc, std::int32_t fileLen) {
    return rc > 0 && rc < fileLen;
}

}  // namespace oltoma::ol
