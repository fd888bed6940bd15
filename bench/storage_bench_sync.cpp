#include "storage_bench_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <numeric>
#include <vector>

namespace oltoma::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

double Mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

std::string Failure(const char* step) {
    return std::string(step) + ": " + std::strerror(errno);
}

}  // namespace

SyncLatency MeasureSyncLatency(const std::string& directory, std::size_t samples) {
    SyncLatency result;
    const std::string path = directory + "/sync-latency.tmp";
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) {
        result.failure = Failure("open");
        return result;
    }
    const char byte = 0;
    char record[64];
    std::memset(record, 0x5A, sizeof record);
    std::vector<double> appends;
    std::vector<double> truncates;
    if (::pwrite(file, &byte, 1, 0) != 1 || ::fdatasync(file) != 0) {
        result.failure = Failure("first byte");
    }
    for (std::size_t i = 0; i < samples && result.failure.empty(); ++i) {
        const auto start = Clock::now();
        if (::pwrite(file, record, sizeof record, 1) != static_cast<ssize_t>(sizeof record) ||
            ::fdatasync(file) != 0) {
            result.failure = Failure("append + fdatasync");
            break;
        }
        const auto appended = Clock::now();
        if (::ftruncate(file, 1) != 0 || ::fdatasync(file) != 0) {
            result.failure = Failure("ftruncate + fdatasync");
            break;
        }
        const auto truncated = Clock::now();
        appends.push_back(Seconds(start, appended));
        truncates.push_back(Seconds(appended, truncated));
    }
    ::close(file);
    ::unlink(path.c_str());
    if (!result.failure.empty() || appends.empty()) {
        return result;
    }
    result.samples = appends.size();
    result.appendMean = Mean(appends);
    result.appendMedian = Median(appends);
    result.truncateMean = Mean(truncates);
    result.truncateMedian = Median(truncates);
    return result;
}

}  // namespace oltoma::bench
