#include "platform/memory_status.h"

#include <fstream>
#include <map>
#include <sstream>

namespace oltoma::platform {
namespace {

constexpr const char* kProcMeminfo = "/proc/meminfo";

// Lines of the form "MemAvailable:   123456 kB"; values in bytes.
std::map<std::string, std::uint64_t> ReadFields(std::istream& in) {
    std::map<std::string, std::uint64_t> fields;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::istringstream rest(line.substr(colon + 1));
        std::uint64_t value = 0;
        std::string unit;
        if (!(rest >> value)) {
            continue;
        }
        rest >> unit;
        fields[line.substr(0, colon)] = unit == "kB" ? value * 1024 : value;
    }
    return fields;
}

std::uint64_t Field(const std::map<std::string, std::uint64_t>& fields, const char* name) {
    const auto it = fields.find(name);
    return it != fields.end() ? it->second : 0;
}

}  // namespace

bool ReadMemoryStatus(const std::string& meminfoPath, MemoryStatus& status) {
    status = MemoryStatus();
    std::ifstream in(meminfoPath);
    if (!in) {
        return false;
    }
    const auto fields = ReadFields(in);
    if (fields.count("MemTotal") == 0) {
        return false;
    }
    status.totalPhysical = Field(fields, "MemTotal");
    status.availablePhysical =
        fields.count("MemAvailable") != 0
            ? Field(fields, "MemAvailable")
            : Field(fields, "MemFree") + Field(fields, "Buffers") + Field(fields, "Cached");
    if (status.availablePhysical > status.totalPhysical) {
        status.availablePhysical = status.totalPhysical;
    }
    status.totalSwap = Field(fields, "SwapTotal");
    status.freeSwap = Field(fields, "SwapFree");
    status.totalVirtual = status.totalPhysical + status.totalSwap;
    status.availableVirtual = status.availablePhysical + status.freeSwap;
    if (status.totalPhysical != 0) {
        status.memoryLoadPercent = static_cast<int>(
            (status.totalPhysical - status.availablePhysical) * 100 / status.totalPhysical);
    }
    return true;
}

bool ReadMemoryStatus(MemoryStatus& status) {
    return ReadMemoryStatus(kProcMeminfo, status);
}

}  // namespace oltoma::platform
