// The window scale in percent that every form applies when it is created.
// The main window sets it at start (100..300; 100 is the designed size).
#pragma once

#include <cmath>
#include <cstdint>

namespace oltoma {

extern std::int16_t WindowScale;

inline constexpr int kMinimumWindowScale = 100;
inline constexpr int kMaximumWindowScale = 300;

// A design length at the given scale: round(value * percent / 100), halves
// away from zero.
inline int ScaledLength(int value, int percent) {
    return static_cast<int>(std::lround(static_cast<double>(value) * percent / 100.0));
}

}  // namespace oltoma
