#include "base/text/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace oltoma {
namespace {

// The decimal digits of |value|, also for the most negative value.
std::string MagnitudeDigits(long long value) {
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return digits;
}

std::string TwoDecimals(double magnitude) {
    const int length = std::snprintf(nullptr, 0, "%.2f", magnitude);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.2f", magnitude);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string SignedPadded(const std::string& digits, bool negative, char fill, int width) {
    const int padding =
        std::max(0, std::min(width, kMaxNumberLength) - static_cast<int>(digits.size()));
    std::string text;
    if (negative) {
        text = "-" + std::string(static_cast<std::size_t>(std::max(0, padding - 1)), fill);
    } else {
        text = std::string(static_cast<std::size_t>(padding), fill);
    }
    text += digits;
    text.resize(std::min<std::size_t>(text.size(), kMaxNumberLength));
    return text;
}

}  // namespace

std::string IntZeroPadded(long long value, int width) {
    return SignedPadded(MagnitudeDigits(value), value < 0, '0', width);
}

std::string IntSpacePadded(long long value, int width) {
    return SignedPadded(MagnitudeDigits(value), value < 0, ' ', width);
}

std::string RealSpacePadded(double value, int width) {
    return SignedPadded(TwoDecimals(std::fabs(value)), value < 0, ' ', width);
}

std::string RealZeroPadded(double value, int width) {
    return SignedPadded(TwoDecimals(std::fabs(value)), value < 0, '0', width);
}

}  // namespace oltoma
