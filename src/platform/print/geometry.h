// Points, sizes and rectangles on a printer canvas, in the canvas's logical
// units (device pixels, or tenths of a millimetre in the low-metric mode).
#pragma once

namespace oltoma::platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Edges as the canvas names them; in the low-metric mode (y up) top > bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace oltoma::platform
