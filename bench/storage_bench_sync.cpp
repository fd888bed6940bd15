#include "storage_bench_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <numeric>

#include "bench_support.h"

namespace oltoma::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

double Mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

std::string Failure(const char* step) {
    return std::string(step) + ": " + std::strerror(errno);
}

}  // namespace

SyncProbe::SyncProbe(const std::string& directory)
    : path_(directory + "/sync-latency.tmp"), overwritePath_(directory + "/sync-overwrite.tmp") {
    file_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    overwriteFile_ = ::open(overwritePath_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const char byte = 0;
    const std::vector<char> block(4096, 0);
    if (file_ < 0 || overwriteFile_ < 0) {
        failure_ = Failure("open");
    } else if (::pwrite(file_, &byte, 1, 0) != 1 || ::fdatasync(file_) != 0) {
        failure_ = Failure("first byte");
    } else if (::pwrite(overwriteFile_, block.data(), block.size(), 0) !=
                   static_cast<ssize_t>(block.size()) ||
               ::fdatasync(overwriteFile_) != 0) {
        failure_ = Failure("first block");
    }
}

SyncProbe::~SyncProbe() {
    if (file_ >= 0) {
        ::close(file_);
        ::unlink(path_.c_str());
    }
    if (overwriteFile_ >= 0) {
        ::close(overwriteFile_);
        ::unlink(overwritePath_.c_str());
    }
}

bool SyncProbe::Sample() {
    if (!failure_.empty()) {
        return false;
    }
    char record[64];
    std::memset(record, 0x5A, sizeof record);
    const auto start = Clock::now();
    if (::pwrite(file_, record, sizeof record, 1) != static_cast<ssize_t>(sizeof record) ||
        ::fdatasync(file_) != 0) {
        failure_ = Failure("append + fdatasync");
        return false;
    }
    const auto appended = Clock::now();
    if (::ftruncate(file_, 1) != 0 || ::fdatasync(file_) != 0) {
        failure_ = Failure("ftruncate + fdatasync");
        return false;
    }
    const auto truncated = Clock::now();
    if (::pwrite(overwriteFile_, record, sizeof record, 0) != static_cast<ssize_t>(sizeof record) ||
        ::fdatasync(overwriteFile_) != 0) {
        failure_ = Failure("overwrite + fdatasync");
        return false;
    }
    const auto overwritten = Clock::now();
    appends_.push_back(Seconds(start, appended));
    truncates_.push_back(Seconds(appended, truncated));
    overwrites_.push_back(Seconds(truncated, overwritten));
    return true;
}

SyncLatency SyncProbe::Result() const {
    SyncLatency result;
    result.failure = failure_;
    if (appends_.empty()) {
        if (result.failure.empty()) {
            result.failure = "no sync latency sample";
        }
        return result;
    }
    result.samples = appends_.size();
    result.appendMean = Mean(appends_);
    result.appendMedian = MiddleSample(appends_);
    result.truncateMean = Mean(truncates_);
    result.truncateMedian = MiddleSample(truncates_);
    result.overwriteMean = Mean(overwrites_);
    result.overwriteMedian = MiddleSample(overwrites_);
    return result;
}

SyncLatency MeasureSyncLatency(const std::string& directory, std::size_t samples) {
    SyncProbe probe(directory);
    for (std::size_t i = 0; i < samples && probe.Sample(); ++i) {
    }
    return probe.Result();
}

}  // namespace oltoma::bench
