// Numbers as fixed-width column texts. Results are at most 32 characters;
// a width above 32 counts as 32. Numbers wider than their field keep all
// their digits.
//
// A negative value puts "-" in the first padding position, at the left edge
// of the field, or in front of the digits when there is no padding:
//   IntZeroPadded(-5, 4) = "-005"   IntSpacePadded(-5, 4) = "-  5"
//   IntZeroPadded(5, 4)  = "0005"   IntZeroPadded(-5, 1)  = "-5"
#pragma once

#include <string>

namespace oltoma {

inline constexpr int kMaxNumberLength = 32;

std::string IntZeroPadded(long long value, int width);
std::string IntSpacePadded(long long value, int width);

// |value| with exactly two decimals and "." as decimal separator, padded and
// signed as above: RealSpacePadded(1.0, 5) = " 1.00".
std::string RealSpacePadded(double value, int width);
std::string RealZeroPadded(double value, int width);

}  // namespace oltoma
