// The memory status as the about box shows it, five lines joined by CR LF:
//
//   system <load>% av totalt <physical>mb
//   pagefile <used>% av totalt <swap>mb
//   virtual <used>% av totalt <virtual>mb
//   systemleft <lowest physical>mb
//   totalleft <lowest virtual>mb
//
// Megabytes are whole (bytes div 2^20) in the totals and rounded in the
// lowest values the memory check recorded; shares are rounded percentages of
// what is in use, (1 - available / total) x 100, and 0 when the total is 0
// (a machine without swap, or a status that could not be read).
#pragma once

#include <cstdint>
#include <string>

#include "platform/memory_status.h"

namespace oltoma {

std::string MemoryStatusText(const platform::MemoryStatus& status, std::int64_t lowestPhysical,
                             std::int64_t lowestVirtual);

// The text of this machine's status and the lowest values recorded so far.
std::string CurrentMemoryStatusText();

}  // namespace oltoma
