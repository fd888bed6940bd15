// The engine status every storage operation leaves behind, and the classes
// of its error codes. Every operation starts by clearing the status; callers
// test IsamSucceeded() after each call.
#pragma once

namespace oltoma::storage {

bool IsamSucceeded();
// The engine error code of the last operation (0 = none).
int IsamError();
// The system error number of the first failing file primitive since the
// status was cleared (0 when none failed or the failure was a short transfer).
int IsamDosError();
// The operation code of that primitive (0 when none failed).
int IsamDosFunction();

// 0 no error, 1 not found (an ordinary outcome), 2 caller error, 3 the
// operation failed and was undone, 4 the files may need a rebuild.
int IsamErrorClass(int code);
int IsamErrorClass();

// Engine error codes.
namespace IsamCode {
inline constexpr int kPathNotFound = 9900;
inline constexpr int kTooManyOpenFiles = 9901;
inline constexpr int kFileNotFound = 9903;
inline constexpr int kInvalidHandle = 9904;
inline constexpr int kInvalidAccess = 9908;
inline constexpr int kTooFewBuffers = 10000;
inline constexpr int kAddRecRolledBack = 10001;
inline constexpr int kDeleteRecRolledBack = 10002;
inline constexpr int kAddKeyRolledBack = 10003;
inline constexpr int kDeleteKeyRolledBack = 10004;
inline constexpr int kCannotOpen = 10010;
inline constexpr int kRecordLengthTooSmall = 10020;
inline constexpr int kNoMemoryForKeys = 10030;
inline constexpr int kTooManyKeysAtCreation = 10050;
inline constexpr int kBadKeyLength = 10055;
inline constexpr int kBadDataHeader = 10060;
inline constexpr int kReadOnly = 10065;
inline constexpr int kShortRead = 10070;
inline constexpr int kShortWrite = 10075;
inline constexpr int kNotOpen = 10080;
inline constexpr int kNoMemoryAtOpen = 10100;
inline constexpr int kPageBytesNotWhole = 10120;
inline constexpr int kKeyLenOutOfRange = 10121;
inline constexpr int kPageSizeTooLarge = 10122;
inline constexpr int kKeyTooLong = 10125;
inline constexpr int kPutRecZero = 10130;
inline constexpr int kDeleteRecOutOfRange = 10135;
inline constexpr int kSystemError = 10140;
inline constexpr int kSharedReopen = 10150;
inline constexpr int kCloseFailed = 10160;
inline constexpr int kBadKeyNumber = 10164;
inline constexpr int kBadFreeLink = 10170;
inline constexpr int kRollbackFailed = 10180;
inline constexpr int kFindKeyNotFound = 10200;
inline constexpr int kSearchKeyNotFound = 10210;
inline constexpr int kDeleteKeyNotFound = 10220;
inline constexpr int kKeyExists = 10230;
inline constexpr int kNoNextKey = 10250;
inline constexpr int kBadLockingMode = 10310;
inline constexpr int kExitLockingFailed = 10315;
inline constexpr int kRollbackReadOnly = 10430;
inline constexpr int kBadFileBlock = 10445;
inline constexpr int kAlreadyInitialised = 10450;
inline constexpr int kTooFewBuffersAsked = 10451;
inline constexpr int kNotInitialised = 10455;
}  // namespace IsamCode

// Reporting for callers outside the engine whose own file work fails (club
// tables, temporary files, direct reads of a data file): they leave the
// outcome in the engine status as an engine operation would, so one test of
// IsamSucceeded() and one message path serve both.

// Clears the status: succeeded, all numbers 0.
void ClearIsamStatus();
// Sets the error code (0 = success), keeping any recorded primitive failure.
void ReportIsamError(int code);
// Records a failed file primitive (operation code of file_primitives.h and
// system error number) and sets the error code.
void ReportFileFailure(int function, int systemError, int code);

}  // namespace oltoma::storage
