#include "platform/system_error.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace oltoma::platform {

int SystemErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
        case 0:
            return SystemError::kNone;
        case ENOENT:
            return SystemError::kFileNotFound;
        case ENOTDIR:
            return SystemError::kPathNotFound;
        case EMFILE:
        case ENFILE:
            return SystemError::kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ELOOP:  // a symbolic link where a file was to be opened
            return SystemError::kAccessDenied;
        case EBADF:
            return SystemError::kInvalidHandle;
        case ENOMEM:
            return SystemError::kNotEnoughMemory;
        case EXDEV:
            return SystemError::kNotSameDevice;
        case EIO:
            return SystemError::kWriteFault;
        case EWOULDBLOCK:
        case EBUSY:
        case ETXTBSY:
            return SystemError::kSharingViolation;
        case EDEADLK:
            return SystemError::kLockViolation;
        case EEXIST:
            return SystemError::kFileExists;
        case EINVAL:
            return SystemError::kInvalidParameter;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return SystemError::kDiskFull;
        case ENOTEMPTY:
            return SystemError::kDirectoryNotEmpty;
        case ENAMETOOLONG:
            return SystemError::kFilenameTooLong;
        default:
            return SystemError::kGeneralFailure;
    }
}

int SystemErrorFromErrno(int errnoValue, std::string_view path) {
    if (errnoValue != ENOENT) {
        return SystemErrorFromErrno(errnoValue);
    }
    const std::string text(path);
    const auto slash = text.find_last_of('/');
    if (slash == std::string::npos || slash == 0) {
        return SystemError::kFileNotFound;
    }
    struct stat info {};
    const std::string folder = text.substr(0, slash);
    const bool folderExists = ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return folderExists ? SystemError::kFileNotFound : SystemError::kPathNotFound;
}

}  // namespace oltoma::platform
