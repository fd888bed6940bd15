#include "base/files/xml_document_start.h"

namespace oltoma {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view DocumentStart(std::string_view start) {
    if (start.starts_with(kByteOrderMark)) {
        start.remove_prefix(kByteOrderMark.size());
    }
    return SkipBlanks(start);
}

// Drops everything up to and including `end`; false when `end` is missing.
bool SkipPast(std::string_view& text, std::string_view end) {
    const std::size_t at = text.find(end);
    if (at == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(at + end.size());
    return true;
}

bool EndsName(char c) {
    return IsBlank(c) || c == '/' || c == '>';
}

}  // namespace

bool BeginsAsXml(std::string_view start) {
    return DocumentStart(start).starts_with('<');
}

std::string XmlRootName(std::string_view start) {
    std::string_view text = DocumentStart(start);
    for (;;) {
        if (text.starts_with("<?")) {
            if (!SkipPast(text, "?>")) {
                return {};
            }
        } else if (text.starts_with("<!--")) {
            if (!SkipPast(text, "-->")) {
                return {};
            }
        } else {
            break;
        }
        text = SkipBlanks(text);
    }
    if (!text.starts_with('<') || text.size() < 2 || text[1] == '!') {
        return {};
    }
    text.remove_prefix(1);
    std::size_t end = 0;
    while (end < text.size() && !EndsName(text[end])) {
        ++end;
    }
    if (end == 0 || end == text.size()) {
        return {};
    }
    std::string_view name = text.substr(0, end);
    const std::size_t colon = name.rfind(':');
    if (colon != std::string_view::npos) {
        name.remove_prefix(colon + 1);
    }
    return std::string(name);
}

}  // namespace oltoma
