// The class sort key `SortOrdn`, key 1 of the class file. It orders classes
// as lists show them: elite classes first, then men's (H) before women's (D)
// before the rest, older age classes before younger, and classes named by
// the class filter or without a number last.
//
// Without manual order the key is built from the designation `Bet`:
//   - Bet begins with a word of the class filter: "2" + Bet (the two
//     together at most 9 characters) + Bet.
//   - otherwise "0" when Bet contains "E", else "1"; then "2" when Bet
//     begins with "HD", "0" with "H", "1" with "D", "0" with "N", else "3";
//     then at the first digit of Bet the run of digits read as n gives
//     100 - n in 3 digits; if the character after the run (the last
//     character when the run ends Bet) is above "9", Bet from that character
//     on follows, otherwise zeros up to 6 characters. No digit at all: the
//     key is "9" + Bet (at most 9 characters). Then + Bet.
//   H21E gives 00079EH21E, D16 gives 110840D16, INS gives 9INSINS.
// With manual order (`mankordn`) the key is the first 4 characters of the
// present key, or when it is empty the class file's slot count after the
// class was added minus 1, padded on the left with "0" to 4 characters,
// then `Lnr`. Every key is at most 14 characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"

namespace oltoma::ol {

constexpr std::size_t kSortKeyLength = 14;

// The key built from the designation (its first 8 characters); `filter` is
// the competition's `dirklassfilter`.
std::string DesignationSortKey(std::string_view designation, std::string_view filter);

// The key under manual order.
std::string ManualSortKey(std::string_view presentKey, std::int32_t slotCount,
                          std::string_view lnr);

// Computes and stores the class's `SortOrdn` under the competition's order;
// `slotCount` is the class file's slot count after the class was added.
void SetSortOrdn(KlassRec& klass, const InfoRec& competition, std::int32_t slotCount);

}  // namespace oltoma::ol
