#include "platform/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace oltoma::platform {
namespace {

bool SyncPath(const std::string& path, int flags) {
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}

}  // namespace

bool SyncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return SyncPath(parent.empty() ? std::string(".") : parent.string(), O_RDONLY | O_DIRECTORY);
}

bool SyncFileAt(const std::string& path) {
    return SyncPath(path, O_RDONLY);
}

}  // namespace oltoma::platform
