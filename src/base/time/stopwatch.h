// A stack of up to 25 stopwatches that time exports and logs. Start times
// are seconds since midnight (SecondsNow); a run over midnight counts
// correctly. Slots 1..25 hold the stack; slot 0 catches starts and reads
// at a depth outside 1..25.
#pragma once

#include <string>

namespace oltoma {

inline constexpr int kStopwatchCount = 25;

// Increments the depth while it is below 25 and stores SecondsNow at the
// depth. Returns the depth.
int StartStopwatch();

// The time since the start at the current depth as FormatDuration(code);
// decrements the depth when it is at least 1.
std::string StopStopwatch(int code);

// The time since the start in slot (the current depth when slot is outside
// 1..25) as FormatDuration(code); the depth is not changed.
std::string StopwatchElapsed(int code, int slot);

}  // namespace oltoma
