#include "storage/file_primitives.h"

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "platform/system_error.h"
#include "storage/internal/file_syscalls.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/internal/side_sync.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

using platform::SystemErrorFromErrno;
namespace SystemError = platform::SystemError;

enum class Kind { Open, Create, Close, Delete, Flush, Seek, Read, Write, Lock };

std::uint64_t flushCount = 0;
std::uint64_t pairedFlushCount = 0;  // FlushFilePair calls whose syncs ran side by side
// How long the last sync took, to tell disks from memory file systems.
std::chrono::steady_clock::duration lastSyncTime{};
#ifndef OLTOMA_STORAGE_FAULT_SEAM
// On a disk whose sync takes longer than this, FlushFilePair syncs its two
// files side by side: two syncs in flight cost about 1.2 of one there, while
// handing one to the helper thread costs more than a whole sync on a memory
// file system.
constexpr std::chrono::microseconds kSlowSync{50};
#endif

// fdatasync, timed; returns 0 or the errno value.
int TimedSync(int descriptor) {
    const auto start = std::chrono::steady_clock::now();
    const int result = sys::Fdatasync(descriptor);
    const int error = result == 0 ? 0 : errno;
    lastSyncTime = std::chrono::steady_clock::now() - start;
    return error;
}

int CodeForFailure(Kind kind, int systemError) {
    const bool openOrDelete = kind == Kind::Open || kind == Kind::Delete;
    if (openOrDelete && systemError == SystemError::kFileNotFound) {
        return IsamCode::kFileNotFound;
    }
    if (openOrDelete && (systemError == SystemError::kPathNotFound ||
                         systemError == SystemError::kNetworkPathNotFound)) {
        return IsamCode::kPathNotFound;
    }
    if ((kind == Kind::Open || kind == Kind::Create) &&
        systemError == SystemError::kTooManyOpenFiles) {
        return IsamCode::kTooManyOpenFiles;
    }
    if (kind == Kind::Open && systemError == SystemError::kInvalidAccess) {
        return IsamCode::kInvalidAccess;
    }
    const bool transfer = kind == Kind::Read || kind == Kind::Write || kind == Kind::Seek ||
                          kind == Kind::Close || kind == Kind::Flush;
    if (transfer && systemError == SystemError::kInvalidHandle) {
        return IsamCode::kInvalidHandle;
    }
    return IsamCode::kSystemError;
}

bool Fail(Kind kind, int function, int systemError) {
    detail::RecordDosFailure(function, systemError);
    detail::SetIsamError(CodeForFailure(kind, systemError));
    return false;
}

bool FailWithErrno(Kind kind, int function, int errnoValue, std::string_view path = {}) {
    const int systemError =
        path.empty() ? SystemErrorFromErrno(errnoValue) : SystemErrorFromErrno(errnoValue, path);
    return Fail(kind, function, systemError);
}

bool FailShort(int function, int code) {
    detail::RecordDosFailure(function, SystemError::kNone);
    detail::SetIsamError(code);
    return false;
}

// Takes the whole-file lock that makes an open exclusive (or shared).
// Returns 0 or the errno of the failure.
int TakeFileLock(int descriptor, bool shared) {
    while (::flock(descriptor, (shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

bool IsRegularFile(int descriptor) {
    struct stat info {};
    return ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
}

// Opens the named file and takes its lock; sets `error` to the errno value
// (or EACCES for something that is not a regular file) on failure.
int OpenLocked(const std::string& name, int flags, bool shared, int& error) {
    const int descriptor = sys::Open(name.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0) {
        error = errno;
        return -1;
    }
    if (!IsRegularFile(descriptor)) {
        sys::Close(descriptor);
        error = EACCES;
        return -1;
    }
    error = TakeFileLock(descriptor, shared);
    if (error != 0) {
        sys::Close(descriptor);
        return -1;
    }
    return descriptor;
}

// Checks that nobody holds the named file open through the engine. Returns
// true when the file may be changed by name; `exists` tells whether it was
// there. A missing file is not a failure here.
bool ProbeUnlocked(const std::string& name, bool& exists, int& error) {
    exists = true;
    const int descriptor = sys::Open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    if (descriptor < 0) {
        error = errno;
        exists = error != ENOENT && error != ENOTDIR;
        return true;  // unreadable files are left to the operation itself
    }
    error = TakeFileLock(descriptor, false);
    sys::Close(descriptor);
    return error == 0;
}

bool ReadFully(int descriptor, std::int64_t offset, std::size_t count, char* buffer) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got =
            sys::Pread(descriptor, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FailWithErrno(Kind::Read, FileOperation::kRead, errno);
        }
        if (got == 0) {
            return FailShort(FileOperation::kRead, IsamCode::kShortRead);
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteFully(int descriptor, std::int64_t offset, std::size_t count, const char* buffer) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put =
            sys::Pwrite(descriptor, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FailWithErrno(Kind::Write, FileOperation::kWrite, errno);
        }
        if (put == 0) {
            return FailShort(FileOperation::kWrite, IsamCode::kShortWrite);
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool CheckOffset(FileHandle& file, std::int64_t offset) {
    if (!file.IsOpen()) {
        return Fail(Kind::Seek, FileOperation::kSeek, SystemError::kInvalidHandle);
    }
    if (offset < 0) {
        return Fail(Kind::Seek, FileOperation::kSeek, SystemError::kInvalidParameter);
    }
    return true;
}

}  // namespace

bool OpenFile(FileHandle& file, std::string_view name, bool readOnly, bool shared) {
    file = FileHandle{};
    file.name = std::string(name);
    int error = 0;
    const int descriptor = OpenLocked(file.name, readOnly ? O_RDONLY : O_RDWR, shared, error);
    if (descriptor < 0) {
        return FailWithErrno(Kind::Open, FileOperation::kOpen, error, file.name);
    }
    file.descriptor = descriptor;
    file.shared = shared;
    file.readOnly = readOnly;
    return true;
}

bool CreateFile(FileHandle& file, std::string_view name) {
    file = FileHandle{};
    file.name = std::string(name);
    int error = 0;
    const int descriptor = OpenLocked(file.name, O_RDWR | O_CREAT, false, error);
    if (descriptor < 0) {
        return FailWithErrno(Kind::Create, FileOperation::kOpen, error, file.name);
    }
    if (sys::Ftruncate(descriptor, 0) != 0) {
        error = errno;
        sys::Close(descriptor);
        return FailWithErrno(Kind::Create, FileOperation::kOpen, error);
    }
    file.descriptor = descriptor;
    return true;
}

bool CreateNewFile(FileHandle& file, std::string_view name) {
    file = FileHandle{};
    file.name = std::string(name);
    int error = 0;
    const int descriptor = OpenLocked(file.name, O_RDWR | O_CREAT | O_EXCL, false, error);
    if (descriptor < 0) {
        return FailWithErrno(Kind::Create, FileOperation::kOpen, error, file.name);
    }
    file.descriptor = descriptor;
    return true;
}

bool CloseFile(FileHandle& file) {
    if (!file.IsOpen()) {
        return Fail(Kind::Close, FileOperation::kClose, SystemError::kInvalidHandle);
    }
    const int result = sys::Close(file.descriptor);
    const int error = errno;
    file.descriptor = -1;
    if (result != 0 && error != EINTR) {
        return FailWithErrno(Kind::Close, FileOperation::kClose, error);
    }
    return true;
}

bool DeleteFile(std::string_view name) {
    const std::string path(name);
    bool exists = false;
    int error = 0;
    if (!ProbeUnlocked(path, exists, error)) {
        return FailWithErrno(Kind::Delete, FileOperation::kDelete, error);
    }
    if (sys::Unlink(path.c_str()) != 0) {
        return FailWithErrno(Kind::Delete, FileOperation::kDelete, errno, path);
    }
    return true;
}

bool CheckNotInUse(std::string_view name) {
    bool exists = false;
    int error = 0;
    if (!ProbeUnlocked(std::string(name), exists, error)) {
        return FailWithErrno(Kind::Delete, FileOperation::kDelete, error);
    }
    return true;
}

bool RenameFile(std::string_view from, std::string_view to) {
    const std::string source(from);
    const std::string target(to);
    bool exists = false;
    int error = 0;
    if (!ProbeUnlocked(source, exists, error) || !ProbeUnlocked(target, exists, error)) {
        return FailWithErrno(Kind::Delete, FileOperation::kRename, error);
    }
    if (sys::Rename(source.c_str(), target.c_str()) != 0) {
        return FailWithErrno(Kind::Delete, FileOperation::kRename, errno, source);
    }
    return true;
}

bool MakeDirectory(std::string_view name) {
    const std::string path(name);
    if (sys::Mkdir(path.c_str(), 0777) != 0) {
        return FailWithErrno(Kind::Create, FileOperation::kMakeDirectory, errno, path);
    }
    return true;
}

bool RemoveDirectory(std::string_view name) {
    const std::string path(name);
    if (sys::Rmdir(path.c_str()) != 0) {
        return FailWithErrno(Kind::Delete, FileOperation::kRemoveDirectory, errno, path);
    }
    return true;
}

bool FlushDirectory(std::string_view folder) {
    ++flushCount;
    const std::string path = folder.empty() ? std::string(".") : std::string(folder);
    if (sys::SyncDirectory(path.c_str()) != 0) {
        return FailWithErrno(Kind::Flush, FileOperation::kFlush, errno, path);
    }
    return true;
}

std::string FolderOfFile(std::string_view fileName) {
    const std::string_view::size_type slash = fileName.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : std::string(fileName.substr(0, slash));
}

bool FlushDirectoryOf(std::string_view fileName) {
    return FlushDirectory(FolderOfFile(fileName));
}

bool FlushFile(FileHandle& file) {
    ++flushCount;
    if (!file.IsOpen()) {
        return Fail(Kind::Flush, FileOperation::kFlush, SystemError::kInvalidHandle);
    }
    const int error = TimedSync(file.descriptor);
    if (error == 0) {
        return true;
    }
    const int systemError = SystemErrorFromErrno(error);
    if (systemError != SystemError::kTooManyOpenFiles) {
        return Fail(Kind::Flush, FileOperation::kFlush, systemError);
    }
    if (file.shared) {
        detail::RecordDosFailure(FileOperation::kFlush, systemError);
        detail::SetIsamError(IsamCode::kSharedReopen);
        return false;
    }
    // Closing and reopening the file writes it back as well.
    const std::string name = file.name;
    const bool readOnly = file.readOnly;
    if (!CloseFile(file)) {
        return false;
    }
    return OpenFile(file, name, readOnly, false);
}

bool FlushFilePair(FileHandle& first, FileHandle& second) {
#ifdef OLTOMA_STORAGE_FAULT_SEAM
    const bool together = false;  // the seam counts flushes in order
#else
    const bool together = lastSyncTime > kSlowSync && first.IsOpen() && second.IsOpen();
#endif
    if (!together || !StartSideSync(second.descriptor)) {
        return FlushFile(first) && FlushFile(second);
    }
    flushCount += 2;
    ++pairedFlushCount;
    const int firstError = TimedSync(first.descriptor);
    const int secondError = FinishSideSync();
    if (firstError != 0) {
        return Fail(Kind::Flush, FileOperation::kFlush, SystemErrorFromErrno(firstError));
    }
    return secondError == 0 ||
           Fail(Kind::Flush, FileOperation::kFlush, SystemErrorFromErrno(secondError));
}

bool Seek(FileHandle& file, std::int64_t offset) {
    if (!CheckOffset(file, offset)) {
        return false;
    }
    file.position = offset;
    return true;
}

bool Tell(FileHandle& file, std::int64_t& position) {
    if (!file.IsOpen()) {
        return Fail(Kind::Seek, FileOperation::kTell, SystemError::kInvalidHandle);
    }
    position = file.position;
    return true;
}

bool FileSize(FileHandle& file, std::int64_t& size) {
    struct stat info {};
    if (!file.IsOpen() || ::fstat(file.descriptor, &info) != 0) {
        return FailWithErrno(Kind::Seek, FileOperation::kSize, file.IsOpen() ? errno : EBADF);
    }
    size = info.st_size;
    file.position = size;
    return true;
}

bool ReadAt(FileHandle& file, std::int64_t offset, std::size_t count, void* buffer) {
    if (!CheckOffset(file, offset)) {
        return false;
    }
    file.position = offset;
    if (!ReadFully(file.descriptor, offset, count, static_cast<char*>(buffer))) {
        return false;
    }
    file.position = offset + static_cast<std::int64_t>(count);
    return true;
}

bool WriteAt(FileHandle& file, std::int64_t offset, std::size_t count, const void* buffer) {
    if (!CheckOffset(file, offset)) {
        return false;
    }
    file.position = offset;
    if (count == 0) {
        if (sys::Ftruncate(file.descriptor, static_cast<off_t>(offset)) != 0) {
            return FailWithErrno(Kind::Write, FileOperation::kWrite, errno);
        }
        return true;
    }
    if (!WriteFully(file.descriptor, offset, count, static_cast<const char*>(buffer))) {
        return false;
    }
    file.position = offset + static_cast<std::int64_t>(count);
    return true;
}

bool WriteZeros(FileHandle& file, std::int64_t offset, std::size_t count) {
    // One zero block, grown to the largest length asked for (up to 1 MiB)
    // and kept, so growing files costs no allocation per call.
    constexpr std::size_t kLargestBlock = std::size_t{1} << 20;
    static std::vector<char> zeros(1024);
    if (zeros.size() < count && zeros.size() < kLargestBlock) {
        zeros.resize(count < kLargestBlock ? count : kLargestBlock);
    }
    while (count > 0) {
        const std::size_t piece = count < zeros.size() ? count : zeros.size();
        if (!WriteAt(file, offset, piece, zeros.data())) {
            return false;
        }
        offset += static_cast<std::int64_t>(piece);
        count -= piece;
    }
    return true;
}

namespace {

bool ChangeRangeLock(FileHandle& file, std::int64_t offset, std::int64_t length, short type,
                     int function) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(offset);
    range.l_len = static_cast<off_t>(length);
    constexpr int kAttempts = 768 / 64;
    for (int attempt = 0;; ++attempt) {
        if (::fcntl(file.descriptor, F_OFD_SETLK, &range) == 0) {
            return true;
        }
        if ((errno != EAGAIN && errno != EACCES && errno != EINTR) || attempt >= kAttempts) {
            return FailWithErrno(Kind::Lock, function, errno);
        }
        ::usleep(64 * 1000);
    }
}

}  // namespace

bool LockRange(FileHandle& file, std::int64_t offset, std::int64_t length, bool systemLocks) {
    if (!systemLocks) {
        return true;
    }
    return ChangeRangeLock(file, offset, length, F_WRLCK, FileOperation::kLock);
}

bool UnlockRange(FileHandle& file, std::int64_t offset, std::int64_t length, bool systemLocks) {
    if (!systemLocks) {
        return true;
    }
    return ChangeRangeLock(file, offset, length, F_UNLCK, FileOperation::kUnlock);
}

std::uint64_t FlushCount() {
    return flushCount;
}

std::uint64_t FlushWaitCount() {
    return flushCount - pairedFlushCount;
}

}  // namespace oltoma::storage
