#include "platform/print/builtin_pictures.h"

#include <cmath>
#include <string>

namespace oltoma::platform {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kOrange = 0xFFF07818;
constexpr std::uint32_t kBrown = 0xFFB05A1E;
constexpr std::uint32_t kBlue = 0xFF3CA0E6;
constexpr std::uint32_t kRed = 0xFFD02020;
constexpr std::uint32_t kGreen = 0xFFCDEBB4;

template <typename Inside>
void Paint(Picture& picture, std::uint32_t colour, Inside inside) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (inside(x, y)) {
                picture.SetPixel(x, y, colour);
            }
        }
    }
}

void Frame(Picture& picture, std::uint32_t colour) {
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    Paint(picture, colour,
          [&](int x, int y) { return x < 2 || y < 2 || x > right - 2 || y > bottom - 2; });
}

// Rings of an ellipse centred at (cx, cy): every `spacing` units of the
// normalised radius, `width` units wide.
void ContourRings(Picture& picture, std::uint32_t colour, double cx, double cy, double rx,
                  double ry, int rings) {
    Paint(picture, colour, [&](int x, int y) {
        const double r = std::hypot((x - cx) / rx, (y - cy) / ry);
        for (int ring = 1; ring <= rings; ++ring) {
            const double ringRadius = static_cast<double>(ring) / rings;
            if (std::abs(r - ringRadius) * rx < 1.5) {
                return true;
            }
        }
        return false;
    });
}

// A control flag: a square split along its diagonal, the upper-left half
// filled, with a frame.
void ControlFlag(Picture& picture, int left, int top, int side, std::uint32_t fill,
                 std::uint32_t line) {
    Paint(picture, kWhite,
          [&](int x, int y) { return x >= left && x < left + side && y >= top && y < top + side; });
    Paint(picture, fill, [&](int x, int y) {
        return x >= left && x < left + side && y >= top && y < top + side &&
               (x - left) + (y - top) < side;
    });
    Paint(picture, line, [&](int x, int y) {
        const bool inside = x >= left && x < left + side && y >= top && y < top + side;
        const bool edge =
            x < left + 2 || x >= left + side - 2 || y < top + 2 || y >= top + side - 2;
        return inside && edge;
    });
}

Picture Flag() {
    Picture picture(236, 173);
    ControlFlag(picture, 50, 18, 136, kBlack, kBlack);
    Frame(picture, kBlack);
    picture.set_monochrome(true);
    return picture;
}

Picture MapWithFlag() {
    Picture picture(380, 220, kGreen);
    ContourRings(picture, kBrown, 120, 110, 110, 80, 4);
    Paint(picture, kBlue,
          [](int x, int y) { return std::hypot((x - 300) / 60.0, (y - 160) / 40.0) < 1; });
    ControlFlag(picture, 250, 30, 80, kOrange, kBlack);
    Frame(picture, kBlack);
    return picture;
}

Picture Hill() {
    Picture picture(300, 150);
    ContourRings(picture, kBlack, 150, 75, 140, 70, 5);
    picture.set_monochrome(true);
    return picture;
}

Picture ControlCircle() {
    Picture picture(32, 32);
    Paint(picture, kBlack, [](int x, int y) {
        const double r = std::hypot(x - 15.5, y - 15.5);
        return r > 10 && r < 14;
    });
    picture.set_monochrome(true);
    return picture;
}

Picture CompassRose() {
    Picture picture(160, 160);
    Paint(picture, kBlack, [](int x, int y) {
        const double r = std::hypot(x - 79.5, y - 79.5);
        return r > 72 && r < 76;
    });
    // North needle red, south needle black: thin diamonds along the y axis.
    Paint(picture, kRed,
          [](int x, int y) { return y < 80 && std::abs(x - 79.5) < (y - 10) / 7.0; });
    Paint(picture, kBlack,
          [](int x, int y) { return y >= 80 && std::abs(x - 79.5) < (150 - y) / 7.0; });
    Paint(picture, kBlack,
          [](int x, int y) { return std::abs(y - 79.5) < 1 && x > 10 && x < 150; });
    return picture;
}

}  // namespace

Picture BuiltinPicture(int number) {
    switch (number) {
        case 0:
            return Flag();
        case 1:
            return MapWithFlag();
        case 2:
            return Hill();
        case 3:
            return ControlCircle();
        case 4:
            return CompassRose();
        default:
            return Picture();
    }
}

Picture BuiltinPictureNamed(std::string_view name) {
    constexpr std::string_view kPrefix = "PrBildres";
    if (name.size() != kPrefix.size() + 1 || name.substr(0, kPrefix.size()) != kPrefix) {
        return Picture();
    }
    const char digit = name.back();
    return digit >= '0' && digit <= '9' ? BuiltinPicture(digit - '0') : Picture();
}

}  // namespace oltoma::platform
