// Copying one plain file byte for byte, for the backup copy. The copy is
// read and written through the storage engine's file primitives (so it sees
// the same locks and the same fault seam as every other file access) in
// blocks of at most 32767 bytes, then forced to the disk.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace oltoma::ol {

// I/O result codes of a failed copy, as the message table names them; a
// failed open or create gives the system error number instead (2 file not
// found, 3 path not found, 5 access denied, 32 file in use, ...).
namespace CopyIoResult {
inline constexpr int kReadError = 100;
inline constexpr int kWriteError = 101;
}  // namespace CopyIoResult

enum class CopyOutcome { copied, sourceMissing, failed };

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::failed;
    int ioResult = 0;            // of a failure
    std::int64_t bytes = 0;      // of a copy
    std::uint32_t checksum = 0;  // of a copy: FNV-1a (fnv_checksum.h) of its bytes
};

// Told the running byte total after every block written.
using CopyProgress = std::function<void(std::int64_t bytesSoFar)>;

inline constexpr std::size_t kCopyBlockBytes = 32767;

// Copies the file `source` to `target` (file system names): the source is
// opened read-only and shared, the target made anew (a file of its name is
// deleted first; a symbolic link there is refused, not followed), every
// block read is written, the target is flushed and both are closed. A
// source that does not exist gives sourceMissing and leaves the target
// alone. Any failed open, read, write, flush or close gives failed with its
// I/O result, and a target made by this call is deleted again. A disk that
// is full gives the write error 101.
CopyResult CopyWholeFile(const std::string& source, const std::string& target,
                         const CopyProgress& progress);

}  // namespace oltoma::ol
