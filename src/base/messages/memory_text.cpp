#include "base/messages/memory_text.h"

#include <cstdio>

#include "base/messages/memory_check.h"

namespace oltoma {
namespace {

constexpr double kMegabyte = 1048576.0;

long long WholeMegabytes(std::uint64_t bytes) {
    return static_cast<long long>(bytes >> 20);
}

double UsedPercent(std::uint64_t available, std::uint64_t total) {
    if (total == 0) {
        return 0;
    }
    return (1.0 - static_cast<double>(available) / static_cast<double>(total)) * 100.0;
}

}  // namespace

std::string MemoryStatusText(const platform::MemoryStatus& status, std::int64_t lowestPhysical,
                             std::int64_t lowestVirtual) {
    char text[320];
    std::snprintf(text, sizeof text,
                  "system %d%% av totalt %lldmb\r\npagefile %2.0f%% av totalt %lldmb\r\n"
                  "virtual %2.0f%% av totalt %lldmb\r\nsystemleft %2.0fmb\r\ntotalleft %2.0fmb",
                  status.memoryLoadPercent, WholeMegabytes(status.totalPhysical),
                  UsedPercent(status.freeSwap, status.totalSwap), WholeMegabytes(status.totalSwap),
                  UsedPercent(status.availableVirtual, status.totalVirtual),
                  WholeMegabytes(status.totalVirtual), lowestPhysical / kMegabyte,
                  lowestVirtual / kMegabyte);
    return text;
}

std::string CurrentMemoryStatusText() {
    platform::MemoryStatus status;
    platform::ReadMemoryStatus(status);
    return MemoryStatusText(status, LowestAvailablePhysical(), LowestAvailableVirtual());
}

}  // namespace oltoma
