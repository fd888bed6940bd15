#include "base/time/calendar.h"

#include <array>
#include <string>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

constexpr const char* kUtf8WeekdayNames[7] = {"Söndag  ", "Måndag  ", "Tisdag  ", "Onsdag  ",
                                              "Torsdag ", "Fredag  ", "Lördag  "};

}  // namespace

std::string_view WeekdayName(int index) {
    static const auto names = [] {
        std::array<std::string, 7> converted;
        for (int i = 0; i < 7; ++i) {
            converted[i] = Windows1252FromUtf8(kUtf8WeekdayNames[i]);
        }
        return converted;
    }();
    const int inTable = ((index % kWeekdayNameCount) + kWeekdayNameCount) % kWeekdayNameCount;
    return names[inTable % 7];
}

// Gregorian: the years 1901..2099 that the system's dates live in follow
// the plain every-fourth-year rule; the century rule keeps 2100 and 2200
// from gaining a 29 February that does not exist.
bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

// Proleptic Gregorian day numbers, counted in 400-year eras of 146097 days
// with the year starting in March so that 29 February falls last.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, long long& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

int WeekdayOf(int year, int month, int day) {
    // 1970-01-01 was a Thursday (4).
    const long long days = DaysFromCivil(year, month, day);
    const long long fromMonday = ((days + 3) % 7 + 7) % 7;
    return static_cast<int>(fromMonday) + 1;
}

}  // namespace oltoma
