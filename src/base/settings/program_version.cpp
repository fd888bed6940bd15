#include "base/settings/program_version.h"

#include <string>

namespace oltoma {
namespace {

constexpr std::size_t kBuildTagLength = 48;

std::string Cut(std::string text, std::size_t length) {
    if (text.size() > length) {
        text.resize(length);
    }
    return text;
}

std::string Compiler() {
#if defined(__clang__)
    return "Clang " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__) +
           "." + std::to_string(__clang_patchlevel__);
#elif defined(__GNUC__)
    return "GCC " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__) + "." +
           std::to_string(__GNUC_PATCHLEVEL__);
#else
    return "C++";
#endif
}

std::string Target() {
#if defined(__x86_64__)
    return "x86-64";
#elif defined(__aarch64__)
    return "arm64";
#else
    return "";
#endif
}

}  // namespace

std::string BuildTag() {
    const std::string bits = sizeof(void*) == 8 ? "(64-bit)" : "(32-bit)";
    const std::string qt = std::string(OLTOMA_QT_VERSION).empty()
                               ? std::string()
                               : std::string(" Qt ") + OLTOMA_QT_VERSION;
    return Cut(" " + Compiler() + qt + " " + Target() + " " + bits, kBuildTagLength);
}

std::string MainWindowCaption() {
    std::string caption = Cut(std::string(kMainProgramName) + kVersionDate, 20);
    caption = Cut(caption + kVersionNumber, 26);
    return Cut(caption + BuildTag(), 74);
}

}  // namespace oltoma
