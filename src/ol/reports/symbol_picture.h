// The picture of a route description symbol as a description cell shows it.
//
// A symbol is 48 x 72 dots in 432 bytes: 3 bands of 24 rows, each of 3
// strips of 8 rows, each strip 48 bytes, one per dot column; bit 7 of a
// byte is the top row of its strip and a set bit is a black dot. Byte k
// (from 1) of strip t of band b is at 144(b - 1) + 48(t - 1) + k - 1.
//
// How a cell shows it:
//   cell 2 (the control code)  56 dots wide: columns 49..56 repeat column 48
//   cells 1, 4 and 7           a strip whose first byte is 255 has its second
//                              byte taken as 255 too (a doubled left line)
//   "exi" (closing row)        only the top band: 24 rows
#pragma once

#include <cstdint>

#include "platform/print/picture.h"

namespace oltoma::ol {

inline constexpr int kSymbolBytes = 432;
inline constexpr int kSymbolWidth = 48;
inline constexpr int kSymbolHeight = 72;
inline constexpr int kWideSymbolWidth = 56;
inline constexpr int kBandRows = 24;

// How one cell shows a symbol.
struct SymbolVariant {
    bool wide = false;         // cell 2
    bool doubledLine = false;  // cells 1, 4 and 7
    bool topBandOnly = false;  // an "exi" cell

    friend bool operator==(const SymbolVariant&, const SymbolVariant&) = default;
};

// The variant of cell `cell` (1..9), of an "exi" cell when `topBandOnly`.
SymbolVariant VariantOfCell(int cell, bool topBandOnly);

// The monochrome picture of the 432 bytes `symbol` shown as `variant`
// says: black dots on white.
platform::Picture SymbolPicture(const std::uint8_t* symbol, const SymbolVariant& variant);

}  // namespace oltoma::ol
