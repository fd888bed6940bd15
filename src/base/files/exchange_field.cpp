#include "base/files/exchange_field.h"

#include <algorithm>
#include <limits>

namespace oltoma {
namespace {

bool ReadsAsBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 31 || byte == 255;
}

}  // namespace

std::string GetField(std::string_view line, char separator, int n) {
    if (n < 1) {
        return {};
    }
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t next = line.find(separator, start);
        if (next == std::string_view::npos) {
            return {};
        }
        start = next + 1;
    }
    const std::size_t end = std::min(line.find(separator, start), line.size());
    std::string field(line.substr(start, end - start));
    std::replace_if(field.begin(), field.end(), ReadsAsBlank, ' ');
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

NumberReading ReadNumber(std::string_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    NumberReading reading;
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t magnitude = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        reading.digits = true;
        // Past the 32-bit range the value only saturates: stop growing.
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[at] - '0'), kMax + 1);
        ++at;
    }
    reading.stop = at;
    reading.value =
        static_cast<std::int32_t>(std::clamp(negative ? -magnitude : magnitude, kMin, kMax));
    return reading;
}

std::int32_t FieldNumber(std::string_view text) {
    return ReadNumber(text).value;
}

std::int16_t FieldSmallint(std::string_view text) {
    return static_cast<std::int16_t>(
        std::clamp<std::int32_t>(FieldNumber(text), std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max()));
}

std::uint8_t FieldByte(std::string_view text) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(FieldNumber(text)) & 0xFF);
}

bool ReadsAsNumber(std::string_view text) {
    const NumberReading reading = ReadNumber(text);
    return reading.digits && reading.stop == text.size();
}

}  // namespace oltoma
