#include "ol/data/maintenance/file_copy.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/fnv_checksum.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

CopyResult Failed(int ioResult) {
    return CopyResult{CopyOutcome::failed, ioResult};
}

// The code of a failed open or create: the system error number when the
// message table has a text for it, a file held by another program as
// access denied, anything else as a read or write error.
int OpenFailureResult(int otherwise) {
    namespace Error = platform::SystemError;
    const int number = storage::IsamDosError();
    switch (number) {
        case Error::kFileNotFound:
        case Error::kPathNotFound:
        case Error::kTooManyOpenFiles:
        case Error::kAccessDenied:
        case Error::kInvalidHandle:
        case Error::kNotEnoughMemory:
        case Error::kInvalidAccess:
        case Error::kNotSameDevice:
            return number;
        case Error::kSharingViolation:
        case Error::kLockViolation:
            return Error::kAccessDenied;
        default:
            return otherwise;
    }
}

// Copies every byte; false with the I/O result set on failure.
bool CopyBlocks(storage::FileHandle& from, storage::FileHandle& to, const CopyProgress& progress,
                int& ioResult, FnvChecksum& checksum) {
    std::int64_t size = 0;
    if (!storage::FileSize(from, size)) {
        ioResult = CopyIoResult::kReadError;
        return false;
    }
    std::vector<char> block(kCopyBlockBytes);
    std::int64_t done = 0;
    while (done < size) {
        const auto count =
            static_cast<std::size_t>(std::min<std::int64_t>(size - done, kCopyBlockBytes));
        if (!storage::ReadAt(from, done, count, block.data())) {
            ioResult = CopyIoResult::kReadError;
            return false;
        }
        if (!storage::WriteAt(to, done, count, block.data())) {
            ioResult = CopyIoResult::kWriteError;
            return false;
        }
        checksum.Add(std::string_view(block.data(), count));
        done += static_cast<std::int64_t>(count);
        if (progress) {
            progress(done);
        }
    }
    if (!storage::FlushFile(to)) {
        ioResult = CopyIoResult::kWriteError;
        return false;
    }
    return true;
}

}  // namespace

CopyResult CopyWholeFile(const std::string& source, const std::string& target,
                         const CopyProgress& progress) {
    ClearStorageStatus();
    storage::FileHandle from;
    if (!storage::OpenFile(from, source, true, true)) {
        if (storage::IsamDosError() == platform::SystemError::kFileNotFound) {
            return CopyResult{CopyOutcome::sourceMissing, 0};
        }
        return Failed(OpenFailureResult(CopyIoResult::kReadError));
    }
    storage::FileHandle to;
    std::error_code error;
    const bool present = std::filesystem::exists(std::filesystem::symlink_status(target, error));
    if ((present && !storage::DeleteFile(target)) || !storage::CreateNewFile(to, target)) {
        const int ioResult = OpenFailureResult(CopyIoResult::kWriteError);
        storage::CloseFile(from);
        return Failed(ioResult);
    }
    int ioResult = 0;
    FnvChecksum checksum;
    std::int64_t bytes = 0;
    bool copied =
        CopyBlocks(from, to, progress, ioResult, checksum) && storage::FileSize(to, bytes);
    if (!storage::CloseFile(to) && copied) {
        copied = false;
        ioResult = CopyIoResult::kWriteError;
    }
    if (!storage::CloseFile(from) && copied) {
        copied = false;
        ioResult = CopyIoResult::kReadError;
    }
    if (!copied) {
        storage::DeleteFile(target);
        return Failed(ioResult);
    }
    return CopyResult{CopyOutcome::copied, 0, bytes, checksum.Value()};
}

}  // namespace oltoma::ol
