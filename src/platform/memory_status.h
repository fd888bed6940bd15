// The machine's memory status, read from the kernel's /proc/meminfo (or a
// file of the same form, for tests). All sizes in bytes.
//
//   available physical memory  = MemAvailable
//   available virtual memory   = MemAvailable + SwapFree
//   total virtual memory       = MemTotal + SwapTotal
//
// Kernels without MemAvailable count MemFree + Buffers + Cached instead.
#pragma once

#include <cstdint>
#include <string>

namespace oltoma::platform {

struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalSwap = 0;
    std::uint64_t freeSwap = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
    int memoryLoadPercent = 0;  // share of physical memory in use
};

// Reads the status from the given file. False (and status left zero) when
// the file cannot be read or holds no MemTotal.
bool ReadMemoryStatus(const std::string& meminfoPath, MemoryStatus& status);

// Reads the status from /proc/meminfo.
bool ReadMemoryStatus(MemoryStatus& status);

}  // namespace oltoma::platform
