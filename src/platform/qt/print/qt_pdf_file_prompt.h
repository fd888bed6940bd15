// The question for a report's PDF file as the program asks it: a save
// dialog with the caption "spara rapporten som PDF" and the filter
// "PDF-filer (*.pdf)", proposing the suggested path.
#pragma once

#include "platform/pdf_file_prompt.h"

namespace oltoma::platform {

class QtPdfFilePrompt final : public PdfFilePrompt {
public:
    std::string AskPdfFile(WindowHandle owner, const std::string& suggestedPath) override;
};

}  // namespace oltoma::platform
