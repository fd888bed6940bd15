// How the data layer tells the user that a storage operation failed: the
// message line names the file and gives the engine's text for its error.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::ol {

// "<file>: " + the message text of the engine error (Btree: ...), followed
// by the system error number in parentheses when a file primitive failed;
// for a full disk "<file>: " + message 101 ("Skrivfel på skivan"), for a
// file the system refuses (a symbolic link among them) "<file>: " + message
// 5 ("Filåtkomst förvägras").
std::string StorageFailureText(std::string_view fileText);

// Puts StorageFailureText into MessageLine (message class 0).
void ReportStorageFailure(std::string_view fileText);

// Clears the engine status before file primitives are called outside an
// engine operation (the club table file), so the status they leave is their
// own.
void ClearStorageStatus();

// The number whose message text describes the last failure of a file
// primitive: 101 for a full disk, else the system error number when there is
// one, else the engine code.
int FileFailureNumber();

}  // namespace oltoma::ol
