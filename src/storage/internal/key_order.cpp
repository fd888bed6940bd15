#include "storage/internal/key_order.h"

#include <array>

#include "base/text/windows1252.h"

namespace oltoma::storage {
namespace {

// Code point of every byte; every Windows-1252 code point fits 16 bits.
const std::array<std::uint16_t, 256> kCodePoint = [] {
    std::array<std::uint16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] =
            static_cast<std::uint16_t>(DecodeWindows1252(static_cast<unsigned char>(byte)));
    }
    return table;
}();

}  // namespace

int CompareKeys(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    // Decoding is one-to-one, so the first differing byte decides.
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) {
            return static_cast<int>(kCodePoint[static_cast<unsigned char>(a[i])]) -
                   static_cast<int>(kCodePoint[static_cast<unsigned char>(b[i])]);
        }
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareEntries(std::string_view keyA, std::int32_t recordA, std::string_view keyB,
                   std::int32_t recordB, bool duplicates) {
    const int byKey = CompareKeys(keyA, keyB);
    if (byKey != 0 || !duplicates) {
        return byKey;
    }
    return recordA < recordB ? -1 : (recordA > recordB ? 1 : 0);
}

}  // namespace oltoma::storage
