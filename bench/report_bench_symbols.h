// A small symbol library of our own drawing for the report benchmark and
// its trial directory: the three frames of the description grid and a few
// description symbols, each 48 x 72 dots in the route description format
// (bands of strips of bytes, bit 7 the top dot row).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace oltoma::bench {

struct BenchSymbol {
    std::string key;
    std::string text;
    std::array<std::uint8_t, 432> bytes{};
};

// "_VU" (left and top line), "_U" (top line), "_V" (left line), then the
// description symbols the bench controls name.
std::vector<BenchSymbol> BenchSymbols();

// The keys of the description symbols (not the frames).
std::vector<std::string> DescriptionSymbolKeys();

}  // namespace oltoma::bench
