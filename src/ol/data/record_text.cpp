#include "ol/data/record_text.h"

namespace oltoma::ol {

void ConvertOemField(TLongPathName& path) {
    const std::string text = LongPathText(path);
    if (HasOemLetters(text)) {
        SetLongPathText(path, OemToAnsiText(text));
    }
}

void ConvertOemFields(AdressLines& lines) {
    for (Strng22& line : lines.line) {
        ConvertOemField(line);
    }
}

std::string ZeroPadded(std::int64_t value, int width) {
    const bool negative = value < 0;
    // Magnitude as unsigned so the most negative value has one too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    const int padding = width - static_cast<int>(digits.size());
    if (padding <= 0) {
        return negative ? "-" + digits : digits;
    }
    std::string text(static_cast<std::size_t>(padding), '0');
    if (negative) {
        text[0] = '-';
    }
    return text + digits;
}

}  // namespace oltoma::ol
