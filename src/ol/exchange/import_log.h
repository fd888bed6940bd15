// The import log: what the import prints on the log list (print/log_list.h)
// while it works. Every line goes through LogText, so a line printed while
// no log is open opens one titled "logglista".
#pragma once

#include <string_view>

namespace oltoma::ol {

// Prints one line of the log.
void ImportLog(std::string_view text);

// Prints the text after five blanks: how messages of single records show.
void ImportLogMessage(std::string_view text);

// Opens the import log: a log list titled "importlogg" with the lines
// "LOGGLISTA IMPORT" and an empty one.
void OpenImportLog();

// Prints "IMPORT KLAR!" and closes the log list.
void CloseImportLog();

}  // namespace oltoma::ol
