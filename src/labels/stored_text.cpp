#include "labels/stored_text.h"

namespace oltoma::labels {
namespace {

std::string WithCrLf(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            stored += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (text[i] == '\n') {
            stored += "\r\n";
        } else {
            stored += text[i];
        }
    }
    return stored;
}

}  // namespace

std::string StoredLines(std::string_view text, std::size_t limit) {
    std::string stored = WithCrLf(text);
    if (stored.size() > limit) {
        stored.resize(limit);
        if (!stored.empty() && stored.back() == '\r') {
            stored.pop_back();
        }
    }
    return stored;
}

std::size_t StoredLength(std::string_view text) {
    return WithCrLf(text).size();
}

std::string EditorLines(std::string_view stored) {
    std::string lines;
    lines.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') {
            continue;
        }
        lines += stored[i];
    }
    return lines;
}

}  // namespace oltoma::labels
