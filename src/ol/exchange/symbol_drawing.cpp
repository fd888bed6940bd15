#include "ol/exchange/symbol_drawing.h"

#include <cmath>
#include <cstdint>
#include <sstream>

#include "base/files/exchange_field.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/exchange/import_records.h"

namespace oltoma::ol {
namespace {

constexpr int kDefaultWidth = 8;
constexpr int kCentre = kSymbolSquare / 2;
constexpr int kArcStepDegrees = 5;
constexpr double kPi = 3.14159265358979323846;
constexpr std::size_t kMaxKeyLength = 10;
constexpr std::size_t kMaxTextLength = 48;

struct Direction {
    const char* code;
    const char* adjective;
};
constexpr Direction kDirections[] = {
    {"N", "Norra"}, {"NO", "Nordöstra"}, {"O", "Östra"},  {"SO", "Sydöstra"},
    {"S", "Södra"}, {"SV", "Sydvästra"}, {"V", "Västra"}, {"NV", "Nordvästra"},
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The text after the first `count` words of the line.
std::string Rest(const std::string& line, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = line.find_first_not_of(" \t", at);
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) {
            return {};
        }
    }
    at = line.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : line.substr(at);
}

bool Numbers(const std::vector<std::string>& words, std::size_t from, std::vector<int>& numbers) {
    for (std::size_t i = from; i < words.size(); ++i) {
        if (!ReadsAsNumber(words[i])) {
            return false;
        }
        numbers.push_back(FieldNumber(words[i]));
    }
    return true;
}

std::vector<SymbolPoint> Points(const std::vector<int>& numbers) {
    std::vector<SymbolPoint> points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
        points.push_back({numbers[i], numbers[i + 1]});
    }
    return points;
}

SymbolPoint OnCircle(int x, int y, int radius, double compassDegrees) {
    const double angle = compassDegrees * kPi / 180.0;
    return {x + static_cast<int>(std::lround(radius * std::sin(angle))),
            y - static_cast<int>(std::lround(radius * std::cos(angle)))};
}

// Reads one drawing statement into `shape`; false when it is none.
bool Shape(const std::vector<std::string>& words, int width, SymbolShape& shape) {
    std::vector<int> n;
    if (!Numbers(words, 1, n)) {
        return false;
    }
    const std::string& verb = words[0];
    shape = SymbolShape{};
    shape.width = width;
    if ((verb == "line" && n.size() == 4) ||
        (verb == "polyline" && n.size() >= 4 && n.size() % 2 == 0)) {
        shape.points = Points(n);
        return true;
    }
    if (verb == "polygon" && n.size() >= 6 && n.size() % 2 == 0) {
        shape.kind = SymbolShape::Kind::polygon;
        shape.points = Points(n);
        return true;
    }
    if ((verb == "circle" || verb == "disc") && n.size() == 3 && n[2] > 0) {
        shape.kind = verb == "circle" ? SymbolShape::Kind::ring : SymbolShape::Kind::disc;
        shape.points = {{n[0], n[1]}};
        shape.radius = n[2];
        return true;
    }
    if (verb == "arc" && n.size() == 5 && n[2] > 0) {
        int to = n[4];
        while (to <= n[3]) {
            to += 360;
        }
        for (int angle = n[3]; angle < to; angle += kArcStepDegrees) {
            shape.points.push_back(OnCircle(n[0], n[1], n[2], angle));
        }
        shape.points.push_back(OnCircle(n[0], n[1], n[2], to));
        return true;
    }
    return false;
}

SymbolPoint Turned(SymbolPoint point, int degrees) {
    const double angle = degrees * kPi / 180.0;
    const double dx = point.x - kCentre;
    const double dy = point.y - kCentre;
    return {kCentre + static_cast<int>(std::lround(dx * std::cos(angle) - dy * std::sin(angle))),
            kCentre + static_cast<int>(std::lround(dx * std::sin(angle) + dy * std::cos(angle)))};
}

std::string Replaced(std::string text, std::string_view what, std::string_view by) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.replace(at, what.size(), by);
        at += by.size();
    }
    return text;
}

// The eight symbols of a drawing made for north.
void AddRotated(const SymbolSource& north, std::vector<SymbolSource>& symbols) {
    const std::vector<std::string> textWords = Words(north.text);
    const std::size_t slash = textWords.empty() ? std::string::npos : textWords[0].find('/');
    for (int d = 0; d < 8; ++d) {
        SymbolSource symbol = north;
        symbol.key = UpperString(Replaced(north.key, "{K}", kDirections[d].code));
        symbol.key =
            UpperString(Replaced(symbol.key, "{A}", Windows1252FromUtf8(kDirections[d].adjective)));
        std::string text = north.text;
        if (slash != std::string::npos) {
            const std::string& first = textWords[0];
            text = (d % 2 == 0 ? first.substr(0, slash) : first.substr(slash + 1)) +
                   text.substr(first.size());
        }
        symbol.text = Replaced(text, "{A}", Windows1252FromUtf8(kDirections[d].adjective));
        for (SymbolShape& shape : symbol.shapes) {
            for (SymbolPoint& point : shape.points) {
                point = Turned(point, 45 * d);
            }
        }
        symbols.push_back(symbol);
    }
}

using Int = std::int64_t;

// Whether point p lies within `half` of the segment a-b (all in half units).
bool NearSegment(Int px, Int py, Int ax, Int ay, Int bx, Int by, Int half) {
    const Int abx = bx - ax;
    const Int aby = by - ay;
    const Int apx = px - ax;
    const Int apy = py - ay;
    const Int along = apx * abx + apy * aby;
    const Int length2 = abx * abx + aby * aby;
    if (length2 == 0 || along <= 0) {
        return apx * apx + apy * apy <= half * half;
    }
    if (along >= length2) {
        const Int bpx = px - bx;
        const Int bpy = py - by;
        return bpx * bpx + bpy * bpy <= half * half;
    }
    const Int cross = abx * apy - aby * apx;
    return cross * cross <= half * half * length2;
}

bool InsidePolygon(Int px, Int py, const std::vector<SymbolPoint>& corners) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Int xi = 2 * corners[i].x;
        const Int yi = 2 * corners[i].y;
        const Int xj = 2 * corners[j].x;
        const Int yj = 2 * corners[j].y;
        if ((yi > py) != (yj > py)) {
            const Int left = (px - xi) * (yj - yi);
            const Int right = (xj - xi) * (py - yi);
            if (yj > yi ? left < right : left > right) {
                inside = !inside;
            }
        }
    }
    return inside;
}

// Whether the shape covers the point (half units: twice the coordinates).
bool Covers(const SymbolShape& shape, Int px, Int py) {
    switch (shape.kind) {
        case SymbolShape::Kind::strokes:
            for (std::size_t i = 0; i + 1 < shape.points.size(); ++i) {
                if (NearSegment(px, py, 2 * shape.points[i].x, 2 * shape.points[i].y,
                                2 * shape.points[i + 1].x, 2 * shape.points[i + 1].y,
                                shape.width)) {
                    return true;
                }
            }
            return shape.points.size() == 1 &&
                   NearSegment(px, py, 2 * shape.points[0].x, 2 * shape.points[0].y,
                               2 * shape.points[0].x, 2 * shape.points[0].y, shape.width);
        case SymbolShape::Kind::polygon:
            return InsidePolygon(px, py, shape.points);
        case SymbolShape::Kind::ring:
        case SymbolShape::Kind::disc: {
            const Int dx = px - 2 * shape.points[0].x;
            const Int dy = py - 2 * shape.points[0].y;
            const Int distance2 = dx * dx + dy * dy;
            const Int radius = 2 * shape.radius;
            if (shape.kind == SymbolShape::Kind::disc) {
                return distance2 <= radius * radius;
            }
            const Int inner = std::max<Int>(0, radius - shape.width);
            const Int outer = radius + shape.width;
            return distance2 >= inner * inner && distance2 <= outer * outer;
        }
    }
    return false;
}

void SetPixel(SymbolPicture& picture, int column, int row) {
    const int band = row / 24;
    const int strip = (row % 24) / 8;
    const int bit = 7 - row % 8;
    picture[band * 144 + strip * 48 + column] |= static_cast<std::uint8_t>(1u << bit);
}

void Frame(SymbolPicture& picture, bool left, bool top) {
    for (int row = 0; left && row < kSymbolPixelHeight; ++row) {
        SetPixel(picture, 0, row);
    }
    for (int column = 0; top && column < kSymbolPixelWidth; ++column) {
        SetPixel(picture, column, 0);
    }
}

}  // namespace

bool ParseSymbolSources(std::string_view utf8Text, std::vector<SymbolSource>& symbols,
                        std::string& error) {
    std::istringstream in{std::string(utf8Text)};
    char column = 'D';
    bool inSymbol = false;
    bool rotated = false;
    int width = kDefaultWidth;
    SymbolSource current;
    int lineNumber = 0;
    const auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0].starts_with('#')) {
            continue;
        }
        const std::string& verb = words[0];
        if (!inSymbol) {
            if (verb == "column" && words.size() == 2 && words[1].size() == 1 &&
                words[1][0] >= 'C' && words[1][0] <= 'H') {
                column = words[1][0];
            } else if ((verb == "symbol" || verb == "rotated") && words.size() >= 3) {
                current = SymbolSource{
                    column, Windows1252FromUtf8(words[1]), Windows1252FromUtf8(Rest(line, 2)), {}};
                inSymbol = true;
                rotated = verb == "rotated";
                width = kDefaultWidth;
            } else {
                return fail("expected column, symbol or rotated");
            }
            continue;
        }
        if (verb == "end" && words.size() == 1) {
            if (current.shapes.empty()) {
                return fail("a symbol without a drawing");
            }
            if (rotated) {
                AddRotated(current, symbols);
            } else {
                symbols.push_back(current);
            }
            inSymbol = false;
            continue;
        }
        if (verb == "width" && words.size() == 2 && ReadsAsNumber(words[1]) &&
            FieldNumber(words[1]) > 0) {
            width = FieldNumber(words[1]);
            continue;
        }
        SymbolShape shape;
        if (!Shape(words, width, shape)) {
            return fail("cannot read \"" + line + "\"");
        }
        current.shapes.push_back(shape);
    }
    if (inSymbol) {
        return fail("the last symbol has no end");
    }
    return true;
}

SymbolPicture DrawSymbol(const std::vector<SymbolShape>& shapes, bool framed) {
    SymbolPicture picture{};
    for (int row = 0; row < kSymbolPixelHeight; ++row) {
        for (int column = 0; column < kSymbolPixelWidth; ++column) {
            // The pixel's centre in half units: (3 column + 1.5, 2 row + 1) * 2.
            const Int px = 6 * column + 3;
            const Int py = 4 * row + 2;
            for (const SymbolShape& shape : shapes) {
                if (Covers(shape, px, py)) {
                    SetPixel(picture, column, row);
                    break;
                }
            }
        }
    }
    if (framed) {
        Frame(picture, true, true);
    }
    return picture;
}

bool PixelSet(const SymbolPicture& picture, int column, int row) {
    const int band = row / 24;
    const int strip = (row % 24) / 8;
    const int bit = 7 - row % 8;
    return (picture[band * 144 + strip * 48 + column] >> bit & 1) != 0;
}

std::vector<FrameSymbol> FrameSymbols() {
    std::vector<FrameSymbol> frames(3);
    frames[0] = {"_VU", Windows1252FromUtf8("Ram: vänster och övre linje"), {}};
    frames[1] = {"_U", Windows1252FromUtf8("Ram: övre linje"), {}};
    frames[2] = {"_V", Windows1252FromUtf8("Ram: vänster linje"), {}};
    Frame(frames[0].picture, true, true);
    Frame(frames[1].picture, false, true);
    Frame(frames[2].picture, true, false);
    return frames;
}

std::string KeyProblem(std::string_view key) {
    if (key.empty() || key.size() > kMaxKeyLength) {
        return "a key has 1..10 characters";
    }
    if (UpperString(key) != key) {
        return "a key is upper case";
    }
    if (key.find_first_of(" ,/_") != std::string_view::npos) {
        return "a key holds no blank, \",\", \"/\" or \"_\"";
    }
    const unsigned char first = static_cast<unsigned char>(key[0]);
    if (!((first >= 'A' && first <= 'Z') || first >= 0xC0)) {
        return "a key begins with a letter";
    }
    const NumberReading number = ReadNumber(key);
    if (number.digits ||
        (number.stop < key.size() &&
         (key[number.stop] == '.' || key[number.stop] == '/' || key[number.stop] == '_'))) {
        return "a key is never read as a number";
    }
    if (key == "EXI" || key == "NUL" || key == "NOT") {
        return "EXI, NUL and NOT name no symbol";
    }
    return {};
}

std::vector<std::string> Symbol24RecordLines(std::string_view key, std::string_view text,
                                             int number, const SymbolPicture& picture) {
    std::vector<std::string> lines;
    lines.push_back(std::string(key) + "," +
                    std::string(text.substr(0, std::min(text.size(), kMaxTextLength))) + "," +
                    std::to_string(number));
    for (int line = 2; line <= kSymbol24Lines; ++line) {
        std::string values;
        for (int value = 0; value < 16; ++value) {
            values += (value > 0 ? "," : "") +
                      std::to_string(picture[Symbol24PictureOffset(line, value)]);
        }
        lines.push_back(values);
    }
    return lines;
}

}  // namespace oltoma::ol
