#include "platform/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace oltoma::platform {
namespace {

constexpr int kCreateAttempts = 16;

bool SyncPath(const std::string& path, int flags) {
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Create() {
    Discard();
    const std::filesystem::path target(target_);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const std::string name =
            (target.parent_path() / ("." + target.filename().string() + "." +
                                     std::to_string(random() % 1000000) + ".part"))
                .string();
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            ::close(descriptor);
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool ReplacingFile::Commit() {
    if (temporary_.empty()) {
        return false;
    }
    const bool placed =
        SyncPath(temporary_, O_RDONLY) && std::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!placed) {
        Discard();
        return false;
    }
    temporary_.clear();
    SyncPath(FolderOf(target_), O_RDONLY | O_DIRECTORY);
    return true;
}

void ReplacingFile::Discard() {
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace oltoma::platform
