#include "base/text/padding.h"

#include <algorithm>

namespace oltoma {
namespace {

std::string_view CutToMax(std::string_view text) {
    return text.substr(0, kMaxPaddedLength);
}

int FillCount(std::string_view text, int width) {
    const int length = static_cast<int>(text.size());
    return std::max(0, std::min(width, kMaxPaddedLength) - length);
}

}  // namespace

std::string RepeatChar(char c, int n) {
    return std::string(static_cast<std::size_t>(std::clamp(n, 0, kMaxPaddedLength)), c);
}

std::string PadRight(std::string_view text, char fill, int width) {
    text = CutToMax(text);
    return std::string(text) + RepeatChar(fill, FillCount(text, width));
}

std::string PadLeft(std::string_view text, char fill, int width) {
    text = CutToMax(text);
    return RepeatChar(fill, FillCount(text, width)) + std::string(text);
}

std::string PadSpaces(std::string_view text, int width) {
    return PadRight(text, ' ', width);
}

std::string TrimTrailingSpaces(std::string_view text) {
    text = CutToMax(text);
    const std::size_t last = text.find_last_not_of(' ');
    if (last == std::string_view::npos) {
        return text.empty() ? std::string() : std::string(" ");
    }
    return std::string(text.substr(0, last + 1));
}

}  // namespace oltoma
