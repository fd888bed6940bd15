#include "base/time/duration_format.h"

#include "base/text/number_format.h"

namespace oltoma {
namespace {

constexpr std::size_t kMaxDurationLength = 10;
constexpr long long kMinutesPerDay = 1440;

struct Parts {
    long long minutes;             // m
    long long seconds;             // s
    long long onceWrappedMinutes;  // m - 1440 when m >= 1440
    long long wrappedMinutes;      // m mod 1440
    long long days;                // m div 1440
};

Parts Split(long long seconds) {
    const unsigned long long t = seconds < 0 ? 0ULL - static_cast<unsigned long long>(seconds)
                                             : static_cast<unsigned long long>(seconds);
    Parts parts;
    parts.minutes = static_cast<long long>(t / 60);
    parts.seconds = static_cast<long long>(t % 60);
    parts.onceWrappedMinutes =
        parts.minutes >= kMinutesPerDay ? parts.minutes - kMinutesPerDay : parts.minutes;
    parts.wrappedMinutes = parts.minutes % kMinutesPerDay;
    parts.days = parts.minutes / kMinutesPerDay;
    return parts;
}

std::string Z(long long value, int width) {
    return IntZeroPadded(value, width);
}

std::string HoursMinutes(long long minutes) {
    return Z(minutes / 60, 2) + ":" + Z(minutes % 60, 2);
}

std::string SecondsIfAny(long long seconds) {
    return seconds != 0 ? ":" + Z(seconds, 2) : std::string();
}

std::string DaysHoursMinutesSeconds(const Parts& p) {
    return Z(p.days, 2) + ":" + HoursMinutes(p.wrappedMinutes) + ":" + Z(p.seconds, 2);
}

std::string Build(int code, const Parts& p) {
    switch (code) {
        case 0:
            return p.onceWrappedMinutes == 0 ? "00:00" : "";
        case 1:
            return HoursMinutes(p.onceWrappedMinutes);
        case 2:
            return Z(p.minutes, 6) + SecondsIfAny(p.seconds);
        case 3:
            return Z(p.minutes, 4) + SecondsIfAny(p.seconds);
        case 4:
            return Z(p.minutes, 3) + SecondsIfAny(p.seconds);
        case 5:
            return p.seconds == 0 ? HoursMinutes(p.wrappedMinutes) : DaysHoursMinutesSeconds(p);
        case 6:
            return HoursMinutes(p.wrappedMinutes) + SecondsIfAny(p.seconds);
        case 7:
            return Z(p.minutes, 6) + ":" + Z(p.seconds, 2);
        case 8:
            return Z(p.minutes, 4) + ":" + Z(p.seconds, 2);
        case 9:
            return Z(p.minutes, 3) + ":" + Z(p.seconds, 2);
        case 10:
            return DaysHoursMinutesSeconds(p);
        case 11:
            return HoursMinutes(p.wrappedMinutes) + ":" + Z(p.seconds, 2);
        case 15:
            return RealZeroPadded(static_cast<double>(p.onceWrappedMinutes) / 60.0, 4);
        case 16:
            return RealZeroPadded(static_cast<double>(p.onceWrappedMinutes) / 60.0, 5);
        default:
            return std::string();
    }
}

}  // namespace

std::string FormatDuration(int code, long long seconds) {
    std::string text = Build(code, Split(seconds));
    if (text.size() > kMaxDurationLength) {
        text.resize(kMaxDurationLength);
    }
    if (seconds < 0 && !text.empty()) {
        text[0] = '-';
    }
    return text;
}

}  // namespace oltoma
