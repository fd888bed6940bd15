// Durations and times of day given in seconds, as texts of at most 10
// characters.
//
// With t = |seconds|, m = t div 60 and s = t mod 60; "once-wrapped m" is
// m - 1440 when m >= 1440, "wrapped m" is m mod 1440 and "days" is
// m div 1440. Fields are zero-padded to the widths given (wider numbers keep
// all digits):
//
//   code  text
//   0     "00:00" when the once-wrapped m is 0, otherwise empty
//   1     once-wrapped m as hh:mm
//   2     m (6) and ":ss" when s != 0        7   m (6) ":" ss
//   3     m (4) and ":ss" when s != 0        8   m (4) ":" ss
//   4     m (3) and ":ss" when s != 0        9   m (3) ":" ss
//   5     wrapped m as hh:mm when s = 0, otherwise days:hh:mm:ss
//   6     wrapped m as hh:mm and ":ss" when s != 0
//   10    days:hh:mm:ss of the wrapped m
//   11    wrapped m as hh:mm:ss
//   15    once-wrapped m / 60 in hours with two decimals, width 4 ("1.50")
//   16    the same in width 5 ("01.50")
//   other empty
//
// The text is cut to 10 characters; for negative seconds its first
// character then becomes "-" (so -61 in code 1 gives "-0:01").
#pragma once

#include <string>

namespace oltoma {

std::string FormatDuration(int code, long long seconds);

}  // namespace oltoma
