#include "ol/exchange/iof/xml_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "base/text/windows1252.h"

namespace oltoma::ol::iof {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The first `characters` characters of UTF-8 text, never ending inside a
// multi-byte sequence.
std::string_view Utf8Prefix(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    std::size_t counted = 0;
    while (at < text.size() && counted < characters) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
            ++at;
        }
        ++counted;
    }
    return text.substr(0, at);
}

template <typename Integer>
Integer Rounded(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::round(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Integer>::min())) {
        return std::numeric_limits<Integer>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<Integer>::max())) {
        return std::numeric_limits<Integer>::max();
    }
    return static_cast<Integer>(rounded);
}

}  // namespace

std::string KeptText(std::string_view utf8, std::size_t length) {
    // Leading blanks first, so that the cut keeps the text's own characters;
    // a generous cut of the UTF-8 keeps conversion bounded.
    std::string text = Windows1252FromUtf8(Utf8Prefix(Trimmed(utf8), length + 1));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    std::string_view kept = Trimmed(text);
    return std::string(kept.substr(0, std::min(kept.size(), length)));
}

std::optional<double> ReadDouble(std::string_view text) {
    text = Trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ReadInteger(std::string_view text) {
    text = Trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ReadTenths(std::string_view text) {
    const std::optional<double> value = ReadDouble(text);
    if (!value || !std::isfinite(*value)) {
        return value ? std::optional<double>(*value * 10.0) : std::nullopt;
    }
    text = Trimmed(text);
    const std::size_t e = text.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const std::optional<long long> given = ReadInteger(text.substr(e + 1));
        if (!given || *given > std::numeric_limits<int>::max()) {
            return *value * 10.0;
        }
        exponent = *given;
    }
    const std::string shifted = std::string(text.substr(0, e)) + "e" + std::to_string(exponent + 1);
    return ReadDouble(shifted).value_or(*value * 10.0);
}

std::int32_t RoundedInt32(double value) {
    return Rounded<std::int32_t>(value);
}

std::int16_t RoundedInt16(double value) {
    return Rounded<std::int16_t>(value);
}

std::string TenthsText(std::int32_t tenths) {
    const long long value = tenths;
    const long long magnitude = std::llabs(value);
    return std::string(value < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
           std::to_string(magnitude % 10);
}

std::string DocumentText(std::string_view stored) {
    std::string kept;
    kept.reserve(stored.size());
    for (const char c : stored) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 || c == '\t' || c == '\n' || c == '\r') {
            kept.push_back(c);
        }
    }
    return Utf8FromWindows1252(kept);
}

}  // namespace oltoma::ol::iof
