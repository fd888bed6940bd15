#include "ol/reports/symbol_picture.h"

#include <algorithm>

namespace oltoma::ol {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr int kStripRows = 8;
constexpr int kStripBytes = kSymbolWidth;
constexpr int kBandBytes = 3 * kStripBytes;

// The byte of dot column `column` (from 0) of the strip starting at `strip`.
std::uint8_t StripByte(const std::uint8_t* strip, int column, const SymbolVariant& variant) {
    const int k = std::min(column, kSymbolWidth - 1);
    if (variant.doubledLine && k == 1 && strip[0] == 255) {
        return 255;
    }
    return strip[k];
}

}  // namespace

SymbolVariant VariantOfCell(int cell, bool topBandOnly) {
    SymbolVariant variant;
    variant.wide = cell == 2;
    variant.doubledLine = cell == 1 || cell == 4 || cell == 7;
    variant.topBandOnly = topBandOnly;
    return variant;
}

platform::Picture SymbolPicture(const std::uint8_t* symbol, const SymbolVariant& variant) {
    const int width = variant.wide ? kWideSymbolWidth : kSymbolWidth;
    const int height = variant.topBandOnly ? kBandRows : kSymbolHeight;
    platform::Picture picture(width, height, kWhite);
    picture.set_monochrome(true);
    for (int y = 0; y < height; ++y) {
        const int band = y / kBandRows;
        const int strip = (y % kBandRows) / kStripRows;
        const int bit = kStripRows - 1 - y % kStripRows;
        const std::uint8_t* bytes = symbol + band * kBandBytes + strip * kStripBytes;
        for (int x = 0; x < width; ++x) {
            if ((StripByte(bytes, x, variant) >> bit) & 1) {
                picture.SetPixel(x, y, kBlack);
            }
        }
    }
    return picture;
}

}  // namespace oltoma::ol
