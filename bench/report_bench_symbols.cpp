#include "report_bench_symbols.h"

#include <cmath>
#include <functional>

namespace oltoma::bench {
namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 72;

// A dot picture drawn by a predicate over (x, y) in dots; the cell is
// square on paper, so a dot is 1.5 times as wide as it is high.
std::array<std::uint8_t, 432> Draw(const std::function<bool(int, int)>& black) {
    std::array<std::uint8_t, 432> bytes{};
    for (int y = 0; y < kHeight; ++y) {
        const int band = y / 24;
        const int strip = (y % 24) / 8;
        const int bit = 7 - y % 8;
        for (int x = 0; x < kWidth; ++x) {
            if (black(x, y)) {
                bytes[static_cast<std::size_t>(band * 144 + strip * 48 + x)] |=
                    static_cast<std::uint8_t>(1 << bit);
            }
        }
    }
    return bytes;
}

bool LeftLine(int x, int) {
    return x == 0;
}
bool TopLine(int, int y) {
    return y <= 1;
}
bool Frame(int x, int y) {
    return LeftLine(x, y) || TopLine(x, y);
}

// Distance from the cell's middle in units of a dot's width.
double Radius(int x, int y) {
    const double dx = x - 23.5;
    const double dy = (y - 35.5) / 1.5;
    return std::sqrt(dx * dx + dy * dy);
}

// A description symbol: the cell's frame lines and a figure.
BenchSymbol Symbol(std::string key, std::string text, const std::function<bool(int, int)>& figure) {
    return {std::move(key), std::move(text),
            Draw([&figure](int x, int y) { return Frame(x, y) || figure(x, y); })};
}

}  // namespace

std::vector<BenchSymbol> BenchSymbols() {
    std::vector<BenchSymbol> symbols = {
        {"_VU", "ram vänster och överkant", Draw(&Frame)},
        {"_U", "ram överkant", Draw(&TopLine)},
        {"_V", "ram vänster", Draw(&LeftLine)},
    };
    symbols.push_back(
        Symbol("1.3", "kulle", [](int x, int y) { return std::abs(Radius(x, y) - 14) < 1.6; }));
    symbols.push_back(Symbol("1.10", "terrass", [](int x, int y) {
        const int top = 14;
        const int bottom = 58;
        const double half = (y - top) * 18.0 / (bottom - top);
        return y >= top && y <= bottom &&
               (std::abs(std::abs(x - 23.5) - half) < 1.2 || y >= bottom - 2);
    }));
    symbols.push_back(Symbol("2.2", "sten", [](int x, int y) { return Radius(x, y) < 10; }));
    symbols.push_back(Symbol("3.1", "tjocket", [](int x, int y) {
        const double u = x - 23.5;
        const double v = (y - 35.5) / 1.5;
        return std::abs(u) < 15 && (std::abs(u - v) < 1.6 || std::abs(u + v) < 1.6);
    }));
    symbols.push_back(Symbol("5.1", "byggnad", [](int x, int y) {
        const bool inside = x >= 10 && x <= 37 && y >= 15 && y <= 56;
        const bool core = x >= 13 && x <= 34 && y >= 19 && y <= 52;
        return inside && !core;
    }));
    symbols.push_back(
        Symbol("5.6", "mur", [](int x, int y) { return x >= 8 && x <= 39 && y >= 30 && y <= 41; }));
    symbols.push_back(Symbol(
        "0.2", "norra", [](int x, int y) { return Radius(x + 9, y) < 4 || Radius(x - 9, y) < 4; }));
    symbols.push_back(Symbol("8.11", "mellan", [](int x, int y) {
        return x >= 6 && x <= 41 && std::abs(y - 35.5) < 2;
    }));
    // A family of figures in four sizes, so the library fills more than a
    // page of the catalogue.
    const char* const kFigures[] = {"ring", "punkt", "ruta", "block", "kryss", "streck"};
    for (int size = 1; size <= 4; ++size) {
        for (int figure = 0; figure < 6; ++figure) {
            const double r = 4.0 + 3.0 * size;
            symbols.push_back(Symbol(std::to_string(figure + 6) + "." + std::to_string(size),
                                     std::string(kFigures[figure]) + " " + std::to_string(size),
                                     [figure, r](int x, int y) {
                                         const double u = std::abs(x - 23.5);
                                         const double v = std::abs((y - 35.5) / 1.5);
                                         switch (figure) {
                                             case 0:
                                                 return std::abs(Radius(x, y) - r) < 1.4;
                                             case 1:
                                                 return Radius(x, y) < r;
                                             case 2:
                                                 return std::max(u, v) < r &&
                                                        std::max(u, v) > r - 2.5;
                                             case 3:
                                                 return std::max(u, v) < r;
                                             case 4:
                                                 return u < r && std::abs(u - v) < 1.4;
                                             default:
                                                 return u < r && v < 1.6;
                                         }
                                     }));
        }
    }
    return symbols;
}

std::vector<std::string> DescriptionSymbolKeys() {
    std::vector<std::string> keys;
    for (const BenchSymbol& symbol : BenchSymbols()) {
        if (!symbol.key.starts_with('_')) {
            keys.push_back(symbol.key);
        }
    }
    return keys;
}

}  // namespace oltoma::bench
