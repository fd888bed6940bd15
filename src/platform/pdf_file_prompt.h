// The question for the file a report is written to when the user chose PDF
// output: the program binds a save dialog, tests and oltoma-tool bind
// answers of their own. Until something is bound, every question is
// cancelled. Paths are the file system's own bytes (UTF-8).
#pragma once

#include <string>

#include "platform/services.h"

namespace oltoma::platform {

class PdfFilePrompt {
public:
    virtual ~PdfFilePrompt() = default;
    // Asks for the file, proposing `suggestedPath` (folder and name); the
    // chosen path, or empty when the user cancels.
    virtual std::string AskPdfFile(WindowHandle owner, const std::string& suggestedPath) = 0;
};

// Binds a prompt (null = every question cancelled); returns the one bound
// before.
PdfFilePrompt* BindPdfFilePrompt(PdfFilePrompt* prompt);

// The bound prompt; never null.
PdfFilePrompt& CurrentPdfFilePrompt();

}  // namespace oltoma::platform
