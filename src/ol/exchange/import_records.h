// The records of the import format, parsed from their lines into fields;
// storing them is a step of its own (import_store.h), so that other import
// formats store through the same step. Fields are separated by "," and cut
// out with GetField (base/files/exchange_field.h); texts are upper-cased
// with the Swedish mapping where they become keys.
//
//   control  one line:  code, cells A..H, posX, posY
//   course   one line:  name, length, climb, control codes in running order
//                       up to the first empty field or the end of the line
//   symbol   "*RutB24": 28 lines; "*Rutbeskr": 10 lines. Line 1: key, text,
//            symbol number; the other lines: picture byte values (below)
//
// Picture of the 24-line format (48 x 72 pixels, Rutb24Rec.Symbol): line L
// (2..28, c = L - 2) gives 16 values for band c div 9, strip c mod 3,
// columns ((c div 3) * 16) mod 48 onwards. So within a band the lines give
// strip 1, 2, 3 of columns 1..16, then of 17..32, then of 33..48.
// Picture of the older format (40 x 24 pixels, RutbRec.Body): line L (2..10,
// c = L - 2) gives 14 values for strip c mod 3, columns (c div 3) * 14
// onwards, up to column 40 (the lines of the last column group carry 12).
// Each value keeps its low 8 bits; a missing value gives 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {

inline constexpr int kSymbol24PictureBytes =
    kSymbolBlockCount * kSymbolRowCount * kSymbolColumnCount;  // 432
inline constexpr int kSymbolPictureBytes = 120;
inline constexpr int kSymbol24Lines = 28;
inline constexpr int kSymbolLines = 10;

struct ControlFields {
    std::string code;  // upper case, at most 3; a code that begins with a
                       // digit padded on the left with blanks to 3 (" 31")
    std::array<std::string, kDescriptionEntryCount> cells;  // upper case, at most 10
    std::int32_t posX = 0;
    std::int32_t posY = 0;
    // A control found keeps its cells, or its position (formats that carry
    // neither); a new one gets them empty or 0.
    bool keepCells = false;
    bool keepPosition = false;
};

struct CourseFields {
    std::string name;  // upper case, at most 12
    std::int32_t length = 0;
    std::int16_t climb = 0;
    std::vector<std::string> codes;  // as control codes are made; all given
};

struct SymbolFields {
    std::string key;   // upper case, at most 10
    std::string text;  // at most 48
    std::int16_t number = 0;
    std::vector<std::uint8_t> picture;  // 432 bytes (24-line) or 120 (older)
};

// A control code as fields give it: upper case, at most 3 characters, one
// that begins with a digit padded on the left with blanks to 3.
std::string ControlCodeOfField(std::string_view field);

ControlFields ParseControl(std::string_view line);
CourseFields ParseCourse(std::string_view line);

// `lines` holds the record's lines in order (28 or 10 of them).
SymbolFields ParseSymbol24(const std::vector<std::string>& lines);
SymbolFields ParseSymbol(const std::vector<std::string>& lines);

// The offset in the 432-byte picture of value v (0..15) of line L (2..28).
int Symbol24PictureOffset(int line, int value);

}  // namespace oltoma::ol
