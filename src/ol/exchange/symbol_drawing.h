// The readable sources of the symbol library the program ships
// (data/symbols/), and how they become pictures of route description
// symbols (Rutb24Rec.Symbol) and "*RutB24" records of an exchange file.
//
// A source file is UTF-8 text, one statement a line ("#" starts a comment):
//
//   column D                     the column (C..H) of the symbols that follow
//   symbol KULLE 1.10 Kulle      a symbol: its key, then its text
//     width 8                    line width of the strokes that follow (8)
//     line X1 Y1 X2 Y2           a straight stroke
//     polyline X1 Y1 X2 Y2 ...   connected strokes
//     polygon X1 Y1 X2 Y2 ...    a filled polygon
//     circle X Y R               a ring of the line width
//     disc X Y R                 a filled circle
//     arc X Y R FROM TO          a ring's part, clockwise from compass angle
//                                FROM to TO (degrees, 0 up, 90 right)
//   end
//   rotated {K}SIDA 11.1 {A} sidan
//     ...                        eight symbols from one drawing made for
//   end                          north, turned clockwise by 45 degrees each
//
// In a rotated symbol {K} stands for the direction's code (N NO O SO S SV V
// NV) and {A} for its adjective (Norra ... Nordvästra); a first word of the
// text holding "/" gives its first part to the four main directions and its
// second part to the four between them ("0.1/0.2 {A}").
//
// Coordinates are units of a square of 144 x 144 (x to the right, y down);
// a picture is 48 pixels wide and 72 high, so a pixel is 3 units wide and 2
// high and the square shows square. A pixel is black when its centre lies
// on a stroke (within half the line width of it) or inside a filled shape.
// Every symbol carries the frame the grid would otherwise draw: the left
// pixel column and the top pixel row.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oltoma::ol {

// The files the generator makes from the sources (data/symbols): the
// library, an exchange file with one "*RutB24" section, and the list of its
// search words for users.
inline constexpr std::string_view kSymbolLibraryFileName = "symbolbibliotek-iof2018.txt";
inline constexpr std::string_view kSymbolKeyListFileName = "symbolbibliotek-iof2018-nycklar.txt";

inline constexpr int kSymbolSquare = 144;
inline constexpr int kSymbolPixelWidth = 48;
inline constexpr int kSymbolPixelHeight = 72;

struct SymbolPoint {
    int x = 0;
    int y = 0;
};

struct SymbolShape {
    enum class Kind { strokes, polygon, ring, disc };
    Kind kind = Kind::strokes;
    std::vector<SymbolPoint> points;  // strokes, polygon: the corners; ring, disc: the centre
    int width = 8;                    // strokes and rings
    int radius = 0;                   // rings and discs
};

struct SymbolSource {
    char column = 'D';
    std::string key;   // Windows-1252
    std::string text;  // Windows-1252
    std::vector<SymbolShape> shapes;
};

// The symbols of a source file in order; false with `error` ("line n: ...")
// at the first statement that cannot be read.
bool ParseSymbolSources(std::string_view utf8Text, std::vector<SymbolSource>& symbols,
                        std::string& error);

using SymbolPicture = std::array<std::uint8_t, 432>;

// The picture of the shapes, in the byte order of Rutb24Rec.Symbol, with
// the left and top frame lines when `framed`.
SymbolPicture DrawSymbol(const std::vector<SymbolShape>& shapes, bool framed);

// Whether pixel (column 0..47, row 0..71) of the picture is black.
bool PixelSet(const SymbolPicture& picture, int column, int row);

// The frames the description grid looks up: "_VU" (left and top line),
// "_U" (top line) and "_V" (left line).
struct FrameSymbol {
    std::string key;
    std::string text;
    SymbolPicture picture;
};
std::vector<FrameSymbol> FrameSymbols();

// Why a key cannot be a search word of the control register's cells; empty
// when it can: at most 10 characters, upper case, beginning with a letter,
// no blank, ",", "/" or "_", nothing read as a number, not EXI, NUL or NOT.
std::string KeyProblem(std::string_view key);

// The 28 lines of a "*RutB24" record: key, text and number, then the
// picture, 16 values a line, in the order the import reads them.
std::vector<std::string> Symbol24RecordLines(std::string_view key, std::string_view text,
                                             int number, const SymbolPicture& picture);

}  // namespace oltoma::ol
