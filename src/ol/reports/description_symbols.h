// The symbols a description grid draws from: the blank symbol and the three
// frame symbols (the grid lines), the symbol a cell text names, and the
// pictures made of them.
//
// Frames are read from the symbol library (RUTB24) by key: frame VU from
// "_VU", else "XVU"; frame U from "_U", else "XU"; frame V from "_V", else
// "XV". A frame whose keys are both missing stays blank (all dots white).
// With the older library format (RUTBESKR) open instead, nothing is looked
// up: the frames stay blank and every cell text is drawn as text.
//
// One DescriptionSymbols lives for one report or one course picture: the
// library is not changed meanwhile, so a key is looked up once and each
// picture is built once per symbol and cell variant.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ol/data/records/rutb24_rec.h"
#include "ol/reports/symbol_picture.h"
#include "platform/print/picture.h"

namespace oltoma::ol {

using SymbolBytes = std::array<std::uint8_t, kSymbolBytes>;

// The 432 picture bytes of a route description record.
SymbolBytes SymbolOf(const Rutb24Rec& route);

enum class Frame { blank, vu, u, v };

class DescriptionSymbols {
public:
    // All four buffers blank; the current symbol is the blank one.
    DescriptionSymbols();

    // LoadFrameSymbols: when MemoryAvailable(2080) fails, MessageLine gets
    // "För lite minne för rutbeskrivningarna!" and the frames stay blank;
    // otherwise the frames are read from the library as above.
    void LoadFrameSymbols();

    // Makes a frame (or the blank symbol) the current symbol.
    void UseFrame(Frame frame);
    // Makes the given bytes the current symbol (a route description record
    // of the caller's, such as the one a pick list loaded).
    void UseSymbol(const SymbolBytes& symbol);
    // Looks `text` up as a symbol key; when it names a symbol, that symbol
    // becomes the current one and true is returned. An empty text, or any
    // text with the older library format, is not looked up.
    bool UseSymbolNamed(std::string_view text);

    const SymbolBytes& Current() const { return *current_; }
    const SymbolBytes& FrameSymbol(Frame frame) const;

    // The picture of the current symbol for `variant`, built on first use.
    const platform::Picture& CurrentPicture(const SymbolVariant& variant);

private:
    const SymbolBytes* Lookup(std::string_view text);

    std::array<SymbolBytes, 4> frames_{};
    SymbolBytes given_{};
    const SymbolBytes* current_;
    // Looked-up keys: the symbol, or absent (null) when the key names none.
    std::unordered_map<std::string, std::unique_ptr<SymbolBytes>> found_;
    std::unordered_map<std::string, platform::Picture> pictures_;
};

}  // namespace oltoma::ol
