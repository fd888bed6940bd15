// The system error numbers that the system's texts and engine codes speak of
// (2 file not found, 3 path not found, 5 access denied, 32 sharing
// violation, ...), mapped from Linux errno values. Every subsystem that turns
// an operating-system failure into a code uses this one table.
#pragma once

#include <string_view>

namespace oltoma::platform {

namespace SystemError {
inline constexpr int kNone = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidHandle = 6;
inline constexpr int kNotEnoughMemory = 8;
inline constexpr int kInvalidAccess = 12;
inline constexpr int kNotSameDevice = 17;
inline constexpr int kWriteFault = 29;
inline constexpr int kReadFault = 30;
inline constexpr int kGeneralFailure = 31;
inline constexpr int kSharingViolation = 32;
inline constexpr int kLockViolation = 33;
inline constexpr int kHandleEof = 38;
inline constexpr int kNetworkPathNotFound = 53;
inline constexpr int kFileExists = 80;
inline constexpr int kInvalidParameter = 87;
inline constexpr int kDiskFull = 112;
inline constexpr int kDirectoryNotEmpty = 145;
inline constexpr int kAlreadyExists = 183;
inline constexpr int kFilenameTooLong = 206;
}  // namespace SystemError

// The system error number of an errno value. ENOENT maps to 2.
int SystemErrorFromErrno(int errnoValue);

// As above, for a failure on the named path: ENOENT becomes 3 (path not
// found) when the folder that should hold the file is missing.
int SystemErrorFromErrno(int errnoValue, std::string_view path);

}  // namespace oltoma::platform
