// The calendar facts the date texts are built from: Swedish weekday names
// and month lengths.
#pragma once

#include <string_view>

namespace oltoma {

// Weekday names, 14 entries of exactly 8 Windows-1252 characters padded
// with spaces: Söndag, Måndag, ..., Lördag, then the same seven again. A
// weekday numbered Monday = 1 .. Sunday = 7 indexes the table directly.
// index is taken modulo 14.
std::string_view WeekdayName(int index);
inline constexpr int kWeekdayNameCount = 14;
inline constexpr int kWeekdayNameLength = 8;

bool IsLeapYear(int year);

// Days of month 1..12 of the year; 0 for any other month.
int DaysInMonth(int year, int month);

// Days since 1970-01-01 of a valid date, and back.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, long long& year, int& month, int& day);

// The weekday of a valid date, Monday = 1 .. Sunday = 7.
int WeekdayOf(int year, int month, int day);

}  // namespace oltoma
