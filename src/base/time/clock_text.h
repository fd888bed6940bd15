// The process-wide clock text and the pieces cut from it for report
// headers, log lines and export files.
//
// ClockText (at most 29 characters) as RefreshClock builds it:
//
//   positions  meaning
//   1..8       weekday name, padded to 8 ("Måndag  ")
//   9..12      year
//   14..15     month        (13 and 16 hold "-")
//   17..18     day          (19 holds a blank)
//   20..21     hour         (22 and 25 hold ":")
//   23..24     minute
//   26..27     second
//
// for example "Måndag  2024-03-04 13:05:09". All texts are Windows-1252.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace oltoma {

struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // Monday = 1 .. Sunday = 7
};

using LocalTimeSource = std::function<LocalDateTime()>;

// Replaces where the local date and time come from (tests use a fixed or
// scripted time); an empty source restores the C library's local time.
// Returns the source used before.
LocalTimeSource SetLocalTimeSource(LocalTimeSource source);

// The local date and time now, from the current source.
LocalDateTime CurrentLocalTime();

// Reads the local date and time and rebuilds ClockText and the seconds
// since midnight.
void RefreshClock();

// The clock text of the last refresh (refreshed first if there was none).
std::string_view ClockText();

// Refreshes the clock and returns hour * 3600 + minute * 60 + second.
int SecondsNow();

// A piece of the last clock text, at most 29 characters (no refresh, except
// a first one when the clock was never read):
//   12 year and month "2024-03"        20 hour "13"
//   13 "240304"                        21 date and time "2024-03-04 13:05:09"
//   14 the whole clock text            22 the weekday name, 8 characters
//   17 weekday name + "240304"         23 the previous month "2024-02"
//   18 year + "-00" "2024-00"          24 the previous year + "-00" "2023-00"
//   19 date "2024-03-04"
// Any other code leaves text unchanged.
void ClockPart(int code, std::string& text);

// As above; any other code gives an empty text.
std::string ClockPart(int code);

}  // namespace oltoma
