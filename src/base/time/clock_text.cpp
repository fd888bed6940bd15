#include "base/time/clock_text.h"

#include <algorithm>
#include <ctime>

#include "base/text/number_format.h"
#include "base/time/calendar.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

constexpr std::size_t kMaxClockPartLength = 29;

struct Clock {
    LocalTimeSource source;
    LocalDateTime last;
    std::string text;
};

Clock& TheClock() {
    static Clock clock;
    return clock;
}

// The system's clock, not yet read.
void ResetClock() {
    TheClock() = Clock{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetClock);

LocalDateTime SystemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalDateTime time;
    time.year = parts.tm_year + 1900;
    time.month = parts.tm_mon + 1;
    time.day = parts.tm_mday;
    time.hour = parts.tm_hour;
    time.minute = parts.tm_min;
    time.second = parts.tm_sec;
    time.weekday = parts.tm_wday == 0 ? 7 : parts.tm_wday;
    return time;
}

std::string Two(int value) {
    return IntZeroPadded(value, 2);
}

std::string YearMonth(int year, int month) {
    return IntZeroPadded(year, 4) + "-" + Two(month);
}

// Positions are 1-based as in the layout table; a short text gives what
// it has.
std::string Positions(std::string_view text, std::size_t first, std::size_t last) {
    if (first > text.size()) {
        return std::string();
    }
    return std::string(text.substr(first - 1, last - first + 1));
}

const Clock& RefreshedOnce() {
    if (TheClock().text.empty()) {
        RefreshClock();
    }
    return TheClock();
}

}  // namespace

LocalTimeSource SetLocalTimeSource(LocalTimeSource source) {
    LocalTimeSource previous = std::move(TheClock().source);
    TheClock().source = std::move(source);
    return previous;
}

LocalDateTime CurrentLocalTime() {
    const LocalTimeSource& source = TheClock().source;
    return source ? source() : SystemLocalTime();
}

void RefreshClock() {
    Clock& clock = TheClock();
    clock.last = CurrentLocalTime();
    const LocalDateTime& t = clock.last;
    clock.text = std::string(WeekdayName(t.weekday)) + YearMonth(t.year, t.month) + "-" +
                 Two(t.day) + " " + Two(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second);
    clock.text.resize(std::min(clock.text.size(), kMaxClockPartLength));
}

std::string_view ClockText() {
    return RefreshedOnce().text;
}

int SecondsNow() {
    RefreshClock();
    const LocalDateTime& t = TheClock().last;
    return t.hour * 3600 + t.minute * 60 + t.second;
}

void ClockPart(int code, std::string& text) {
    const Clock& clock = RefreshedOnce();
    const std::string_view clockText = clock.text;
    const LocalDateTime& t = clock.last;
    const std::string shortDate =
        Positions(clockText, 11, 12) + Positions(clockText, 14, 15) + Positions(clockText, 17, 18);
    switch (code) {
        case 12:
            text = Positions(clockText, 9, 15);
            break;
        case 13:
            text = shortDate;
            break;
        case 14:
            text = clockText;
            break;
        case 17:
            text = Positions(clockText, 1, 8) + shortDate;
            break;
        case 18:
            text = Positions(clockText, 9, 12) + "-00";
            break;
        case 19:
            text = Positions(clockText, 9, 18);
            break;
        case 20:
            text = Positions(clockText, 20, 21);
            break;
        case 21:
            text = Positions(clockText, 9, 27);
            break;
        case 22:
            text = Positions(clockText, 1, 8);
            break;
        case 23:
            text = t.month <= 1 ? YearMonth(t.year - 1, 12) : YearMonth(t.year, t.month - 1);
            break;
        case 24:
            text = IntZeroPadded(t.year - 1, 4) + "-00";
            break;
        default:
            return;
    }
    text.resize(std::min(text.size(), kMaxClockPartLength));
}

std::string ClockPart(int code) {
    std::string text;
    ClockPart(code, text);
    return text;
}

}  // namespace oltoma
