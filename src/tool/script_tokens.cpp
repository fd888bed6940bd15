#include "tool/script_tokens.h"

#include <charconv>

namespace oltoma::tool {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

bool SplitTokens(std::string_view line, std::vector<std::string_view>& tokens) {
    tokens.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        const std::string_view token = line.substr(start, blank - start);
        if (token.empty()) {
            return false;
        }
        tokens.push_back(token);
        if (blank == std::string_view::npos) {
            return true;
        }
        start = blank + 1;
    }
}

bool ParseInt32(std::string_view token, std::int32_t& value) {
    if (token.empty() || token.front() == '+') {
        return false;
    }
    const char* end = token.data() + token.size();
    const auto result = std::from_chars(token.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseBytes(std::string_view token, std::string& bytes) {
    if (token.empty() || token.front() != 'x' || token.size() % 2 == 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 1; i < token.size(); i += 2) {
        const int high = HexDigit(token[i]);
        const int low = HexDigit(token[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::string FormatBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "x";
    text.reserve(1 + 2 * bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0x0F];
    }
    return text;
}

}  // namespace oltoma::tool
