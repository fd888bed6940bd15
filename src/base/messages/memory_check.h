// The memory check made before large allocations (report tables, import
// buffers), with the lowest values seen kept for the about box.
#pragma once

#include <cstdint>

#include "platform/memory_status.h"

namespace oltoma {

// True when the available virtual memory is at least n + 2048 bytes. Also
// lowers the recorded lowest available physical and virtual memory to the
// current values minus n. When the memory status cannot be read the check
// passes and nothing is recorded.
bool MemoryAvailable(std::int64_t n);

// The same check on a given status (tests, or a caller that read it).
bool MemoryAvailable(std::int64_t n, const platform::MemoryStatus& status);

// The lowest available physical and virtual memory minus n that the check
// has recorded, in bytes; 0 before the first check.
std::int64_t LowestAvailablePhysical();
std::int64_t LowestAvailableVirtual();

}  // namespace oltoma
