#include "print/pdf_choice.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/text/windows1252.h"
#include "platform/folders.h"
#include "platform/pdf_file_prompt.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

std::string& LastFolder() {
    static std::string folder;
    return folder;
}

void ForgetLastFolder() {
    LastFolder().clear();
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetLastFolder);

bool EndsWithPdf(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string ending = path.substr(path.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".pdf";
}

}  // namespace

std::string AskReportPdfFile(platform::WindowHandle owner, std::string_view jobTitle) {
    const std::string folder = LastFolder().empty() ? platform::DocumentsFolder() : LastFolder();
    const std::string name = Utf8FromWindows1252(jobTitle) + ".pdf";
    const std::string suggested =
        folder.empty() ? name : (std::filesystem::path(folder) / name).string();
    std::string chosen = platform::CurrentPdfFilePrompt().AskPdfFile(owner, suggested);
    if (chosen.empty()) {
        return {};
    }
    if (!EndsWithPdf(chosen)) {
        chosen += ".pdf";
    }
    const std::string parent = std::filesystem::path(chosen).parent_path().string();
    if (!parent.empty()) {
        LastFolder() = parent;
    }
    return chosen;
}

}  // namespace oltoma
