// Result codes. A time is an int32 number of seconds; the nine values
// 5999940..5999948 are not times but codes for results without a time. Each
// has a word of ten characters (blank-padded, Windows-1252) that lists show
// in place of the time.
//
//   5999940 FULLFÖLJ    5999943 DISKVAL     5999946 EJUPPG.
//   5999941 FELSTÄMPL   5999944 UPPFLY.     5999947 EJSTART
//   5999942 UTGÅTT      5999945 ÅTERBUD     5999948 EJSTART
#pragma once

#include <cstdint>
#include <string>

namespace oltoma::ol {

constexpr std::int32_t kFirstResultCode = 5999940;
constexpr std::int32_t kLastResultCode = 5999948;

// The value of every time slot of a new participant or class ("EJSTART").
constexpr std::int32_t kEjStartTime = 5999948;

// Width of a result-code word.
constexpr int kResultWordWidth = 10;

constexpr bool IsResultCode(std::int32_t time) {
    return time >= kFirstResultCode && time <= kLastResultCode;
}

// The ten-character Windows-1252 word of a result code; empty for a time.
std::string ResultCodeWord(std::int32_t time);

// What a list shows for a day the class has cancelled, instead of any time
// or code.
inline constexpr char kStrukenWord[] = "Struken";

}  // namespace oltoma::ol
