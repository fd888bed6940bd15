#include "ol/data/records/real48.h"

#include <cmath>

namespace oltoma::ol {
namespace {

constexpr int kFractionBits = 39;
constexpr int kExponentBias = 129;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
constexpr std::uint8_t kSignBit = 0x80;

}  // namespace

double Real48ToDouble(const Real48& real) {
    const int exponent = real.bytes[0];
    if (exponent == 0) {
        return 0.0;
    }
    std::uint64_t fraction = real.bytes[5] & ~kSignBit;
    for (int i = 4; i >= 1; --i) {
        fraction = (fraction << 8) | real.bytes[i];
    }
    const double magnitude = std::ldexp(static_cast<double>(kHiddenBit | fraction),
                                        exponent - kExponentBias - kFractionBits);
    return (real.bytes[5] & kSignBit) != 0 ? -magnitude : magnitude;
}

bool DoubleToReal48(double value, Real48& real) {
    if (!std::isfinite(value)) {
        return false;
    }
    Real48 stored{};
    if (value != 0.0) {
        // |value| = m * 2^e with m in [0.5, 1): the mantissa with its hidden
        // bit is m * 2^40, and the stored exponent is e + 128.
        int exponent = 0;
        const double m = std::frexp(std::fabs(value), &exponent);
        auto mantissa =
            static_cast<std::uint64_t>(std::nearbyint(std::ldexp(m, kFractionBits + 1)));
        int biased = exponent + kExponentBias - 1;
        if (mantissa == kHiddenBit << 1) {  // rounding carried into the next power of two
            mantissa = kHiddenBit;
            ++biased;
        }
        if (biased > 255) {
            return false;
        }
        if (biased >= 1) {
            const std::uint64_t fraction = mantissa & (kHiddenBit - 1);
            stored.bytes[0] = static_cast<std::uint8_t>(biased);
            for (int i = 1; i <= 5; ++i) {
                stored.bytes[i] = static_cast<std::uint8_t>(fraction >> (8 * (i - 1)));
            }
            if (value < 0) {
                stored.bytes[5] |= kSignBit;
            }
        }
    }
    real = stored;
    return true;
}

}  // namespace oltoma::ol
