#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace oltoma::platform {
namespace {

bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 0077) == 0;
}

// XDG_RUNTIME_DIR when it is set and a folder; else TMPDIR (or /tmp) +
// "/oltoma-<uid>", made private to the user, so another user cannot hold or
// plant the lock.
std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        struct stat info {};
        if (::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) {
            return runtime;
        }
    }
    const char* temporary = std::getenv("TMPDIR");
    std::string folder = temporary != nullptr && temporary[0] == '/' ? temporary : "/tmp";
    folder += "/oltoma-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return IsPrivateFolder(folder) ? folder : std::string();
}

}  // namespace

std::string InstanceLockPath(std::string_view name) {
    const std::string folder = LockFolder();
    return folder.empty() ? std::string() : folder + "/" + std::string(name) + ".lock";
}

SingleInstanceGuard::SingleInstanceGuard(std::string_view name) {
    const std::string path = InstanceLockPath(name);
    if (path.empty()) {
        return;
    }
    descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0) {
        return;
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Acquired;
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::AlreadyExists;
    }
    ::close(descriptor_);
    descriptor_ = -1;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

}  // namespace oltoma::platform
