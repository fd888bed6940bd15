// The legacy 6-byte real that the club table keeps its amounts in.
//
//   byte  content
//   0     exponent, biased by 129; 0 means the value is zero, whatever the
//         other bytes hold
//   1..5  the 39-bit fraction below an implicit leading 1, least significant
//         byte first, in bytes 1..4 and the low 7 bits of byte 5
//   5     bit 7: the sign, 1 negative
//
//   value = (-1)^sign * (1 + fraction / 2^39) * 2^(exponent - 129)
//
// So the magnitudes run from 2^-128 (about 2.9e-39) to (2 - 2^-39) * 2^126
// (about 1.7e38). Every stored value is exactly a double; a double is
// rounded to the nearest stored value (ties to even).
#pragma once

#include <cstdint>

namespace oltoma::ol {

#pragma pack(push, 1)
struct Real48 {
    std::uint8_t bytes[6];
};
#pragma pack(pop)
static_assert(sizeof(Real48) == 6);

// The value of a stored real; 0 when its exponent byte is 0.
double Real48ToDouble(const Real48& real);

// Stores value rounded to 39 fraction bits. A magnitude that rounds below
// 2^-128 is stored as zero (all six bytes 0), as is -0. NaN, the
// infinities and magnitudes that round beyond the largest value cannot be
// stored: the function returns false and leaves `real` as it was, so an
// amount is never silently replaced by another.
bool DoubleToReal48(double value, Real48& real);

}  // namespace oltoma::ol
