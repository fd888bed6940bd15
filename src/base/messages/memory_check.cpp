#include "base/messages/memory_check.h"

#include <algorithm>
#include <cstdint>

#include "platform/process_state.h"

namespace oltoma {
namespace {

constexpr std::int64_t kReserveBytes = 2048;

struct Lowest {
    bool recorded = false;
    std::int64_t physical = 0;
    std::int64_t virtualMemory = 0;
};

Lowest& Recorded() {
    static Lowest lowest;
    return lowest;
}

void ForgetLowestValues() {
    Recorded() = Lowest{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetLowestValues);

std::int64_t Signed(std::uint64_t bytes) {
    return static_cast<std::int64_t>(std::min<std::uint64_t>(bytes, INT64_MAX / 2));
}

void Record(std::int64_t physical, std::int64_t virtualMemory) {
    Lowest& lowest = Recorded();
    if (!lowest.recorded) {
        lowest = {true, physical, virtualMemory};
        return;
    }
    lowest.physical = std::min(lowest.physical, physical);
    lowest.virtualMemory = std::min(lowest.virtualMemory, virtualMemory);
}

}  // namespace

bool MemoryAvailable(std::int64_t n) {
    platform::MemoryStatus status;
    if (!platform::ReadMemoryStatus(status)) {
        return true;
    }
    return MemoryAvailable(n, status);
}

bool MemoryAvailable(std::int64_t n, const platform::MemoryStatus& status) {
    // Requests are far below these bounds; clamping keeps the sums exact.
    n = std::clamp<std::int64_t>(n, -(INT64_MAX / 4), INT64_MAX / 4);
    const std::int64_t physical = Signed(status.availablePhysical);
    const std::int64_t virtualMemory = Signed(status.availableVirtual);
    Record(physical - n, virtualMemory - n);
    return virtualMemory >= n + kReserveBytes;
}

std::int64_t LowestAvailablePhysical() {
    return Recorded().physical;
}

std::int64_t LowestAvailableVirtual() {
    return Recorded().virtualMemory;
}

}  // namespace oltoma
