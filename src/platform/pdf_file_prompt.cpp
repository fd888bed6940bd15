#include "platform/pdf_file_prompt.h"

namespace oltoma::platform {
namespace {

class CancellingPrompt final : public PdfFilePrompt {
public:
    std::string AskPdfFile(WindowHandle, const std::string&) override { return {}; }
};

PdfFilePrompt*& BoundPrompt() {
    static PdfFilePrompt* prompt = nullptr;
    return prompt;
}

}  // namespace

PdfFilePrompt* BindPdfFilePrompt(PdfFilePrompt* prompt) {
    PdfFilePrompt* previous = BoundPrompt();
    BoundPrompt() = prompt;
    return previous;
}

PdfFilePrompt& CurrentPdfFilePrompt() {
    static CancellingPrompt cancelling;
    PdfFilePrompt* prompt = BoundPrompt();
    return prompt != nullptr ? *prompt : cancelling;
}

}  // namespace oltoma::platform
