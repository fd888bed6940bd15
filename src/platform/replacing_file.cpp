#include "platform/replacing_file.h"

#include "platform/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace oltoma::platform {
namespace {

constexpr int kCreateAttempts = 16;

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
        SyncFileAt(temporary_) && std::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!placed) {
        Discard();
        return false;
    }
    temporary_.clear();
    SyncFolderOf(target_);
    return true;
}

void ReplacingFile::Discard() {
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace oltoma::platform
