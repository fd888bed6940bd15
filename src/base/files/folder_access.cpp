#include "base/files/folder_access.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "platform/system_error.h"

namespace oltoma {
namespace {

namespace SystemError = platform::SystemError;

// A missing folder is a missing path, whichever part of it is missing.
int FolderErrorFromErrno(int errnoValue) {
    if (errnoValue == ENOENT) {
        return SystemError::kPathNotFound;
    }
    return platform::SystemErrorFromErrno(errnoValue);
}

}  // namespace

int FolderEnterError(std::string_view folder) {
    if (folder.empty()) {
        return SystemError::kPathNotFound;
    }
    if (folder.size() > kMaxFolderPathLength) {
        return SystemError::kFilenameTooLong;
    }
    const std::string path = Utf8FromWindows1252(folder);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FolderErrorFromErrno(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return SystemError::kPathNotFound;
    }
    DIR* listing = ::opendir(path.c_str());
    if (listing == nullptr) {
        return FolderErrorFromErrno(errno);
    }
    ::closedir(listing);
    if (::access(path.c_str(), X_OK) != 0) {
        return FolderErrorFromErrno(errno);
    }
    return SystemError::kNone;
}

std::string FolderErrorText(int systemError) {
    switch (systemError) {
        case SystemError::kFilenameTooLong:
            return Windows1252FromUtf8("Filvägen är för lång");
        case kUnstorableNameError:
            return Windows1252FromUtf8("Namnet har tecken som programmet ej kan lagra");
        default:
            return msgtext(systemError);
    }
}

std::string FolderErrorMessage(int systemError, std::string_view folder) {
    std::string text = FolderErrorText(systemError) + " \"" + std::string(folder) + "\"";
    if (text.size() > MyMsgStrng::kCapacity) {
        text.resize(MyMsgStrng::kCapacity);
    }
    return text;
}

}  // namespace oltoma
