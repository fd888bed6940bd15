// Date arithmetic on a date text with a weekday name, such as
// "Måndag  2024-02-28" (Windows-1252).
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

// dateText (its first 20 characters) advanced by n days, as weekday name
// (8) + yyyy-mm-dd, at most 20 characters:
// - The word before the first blank (the whole text without a blank) names
//   the weekday: it is compared, upper-cased, with as many leading
//   characters of each weekday name, and the last match gives the weekday
//   (so "Måndag" takes the second Monday of the table). When no name
//   matches, the weekday of the date is used.
// - The date is read at the first of "197", "198", ..., "220" (tried in
//   that order) found in the text: year at 0, month at 5, day at 8 from
//   there. Without such a year, or when the date read is not a calendar
//   date, today's date (ClockPart 19) is used.
// - For n >= 1 the date moves n days forward and the weekday n steps within
//   its half of the weekday table; for n <= 0 the text is only normalised.
std::string AddDaysToDate(std::string_view dateText, int n);

}  // namespace oltoma
