#include "bench_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace oltoma::bench {

std::optional<std::string> FlagValue(const std::string& argument, std::string_view flag) {
    if (argument.starts_with(flag)) {
        return argument.substr(flag.size());
    }
    return std::nullopt;
}

double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double MiddleSample(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void CopyFolderToDisk(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    fs::remove_all(to);
    fs::copy(from, to);
    for (const auto& entry : fs::directory_iterator(to)) {
        const int file = ::open(entry.path().c_str(), O_RDONLY);
        ::fsync(file);
        ::close(file);
    }
    const int folder = ::open(to.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(folder);
    ::close(folder);
}

}  // namespace oltoma::bench
