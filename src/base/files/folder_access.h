// Whether the folder dialogs can enter a folder, and the message they leave
// when they cannot. Paths are Windows-1252 and "/"-separated; they are
// converted to the file system's UTF-8 only to ask the file system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace oltoma {

// Paths the dialogs return must fit a TLongPathName.
inline constexpr std::size_t kMaxFolderPathLength = 1024;

// The system's number for a name it cannot take: here a folder whose name
// has characters without a Windows-1252 byte, which the program could not
// store or reopen.
inline constexpr int kUnstorableNameError = 123;

// 0 when `folder` is an existing folder that can be listed and searched and
// whose path fits 1024 characters; otherwise the system error number: 3 for
// a missing folder or one that is no folder, 5 access denied, 206 a path
// over 1024 characters, or another number of platform/system_error.h.
int FolderEnterError(std::string_view folder);

// The text of such a number: the message table's text, except for 206 and
// 123, which the table gives other meanings.
std::string FolderErrorText(int systemError);

// The error text, a blank and the folder in double quotes, cut to 160
// characters: what a dialog leaves in MessageLine when a folder cannot be
// entered.
std::string FolderErrorMessage(int systemError, std::string_view folder);

}  // namespace oltoma
