#include "base/time/date_arithmetic.h"

#include <algorithm>
#include <optional>

#include "base/text/number_format.h"
#include "base/text/swedish_case.h"
#include "base/time/calendar.h"
#include "base/time/clock_text.h"

namespace oltoma {
namespace {

constexpr std::size_t kMaxDateTextLength = 20;
constexpr int kFirstYearPrefix = 197;  // "197".."220": the years 1970..2209
constexpr int kLastYearPrefix = 220;

struct Date {
    int year;
    int month;
    int day;
};

// The index into the weekday table named by the first word, or none.
std::optional<int> NamedWeekday(std::string_view text) {
    // The whole text is the word when it has no blank.
    const std::string word = UpperString(text.substr(0, text.find(' ')));
    if (word.empty()) {
        return std::nullopt;
    }
    std::optional<int> match;
    for (int index = 0; index < kWeekdayNameCount; ++index) {
        if (UpperString(WeekdayName(index).substr(0, word.size())) == word) {
            match = index;
        }
    }
    return match;
}

std::optional<int> Digits(std::string_view text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text.substr(from, count)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// yyyy-mm-dd read at from: year at 0, month at 5, day at 8.
std::optional<Date> DateAt(std::string_view text, std::size_t from) {
    const auto year = Digits(text, from, 4);
    const auto month = Digits(text, from + 5, 2);
    const auto day = Digits(text, from + 8, 2);
    if (!year || !month || !day || *day < 1 || *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return Date{*year, *month, *day};
}

std::optional<Date> DateInText(std::string_view text) {
    for (int prefix = kFirstYearPrefix; prefix <= kLastYearPrefix; ++prefix) {
        const std::size_t at = text.find(std::to_string(prefix));
        if (at != std::string_view::npos) {
            return DateAt(text, at);
        }
    }
    return std::nullopt;
}

Date Today() {
    return DateAt(ClockPart(19), 0).value_or(Date{1970, 1, 1});
}

}  // namespace

std::string AddDaysToDate(std::string_view dateText, int n) {
    dateText = dateText.substr(0, kMaxDateTextLength);
    const Date date = DateInText(dateText).value_or(Today());
    int weekday = NamedWeekday(dateText).value_or(WeekdayOf(date.year, date.month, date.day));
    long long year = date.year;
    int month = date.month;
    int day = date.day;
    if (n >= 1) {
        CivilFromDays(DaysFromCivil(date.year, date.month, date.day) + n, year, month, day);
        const int half = weekday / 7 * 7;
        weekday = half + static_cast<int>((weekday % 7 + static_cast<long long>(n)) % 7);
    }
    std::string text = std::string(WeekdayName(weekday)) + IntZeroPadded(year, 4) + "-" +
                       IntZeroPadded(month, 2) + "-" + IntZeroPadded(day, 2);
    text.resize(std::min(text.size(), kMaxDateTextLength));
    return text;
}

}  // namespace oltoma
