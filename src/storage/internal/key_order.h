// The order of index entries. Keys are compared by the Unicode code points of
// their Windows-1252 characters (the five undefined bytes 0x81, 0x8D, 0x8F,
// 0x90 and 0x9D count as U+0081 .. U+009D), a key that is a prefix of the
// other being smaller. In an index with duplicates, equal keys are ordered by
// record number.
#pragma once

#include <cstdint>
#include <string_view>

namespace oltoma::storage {

// Negative, zero or positive as a sorts before, with or after b.
int CompareKeys(std::string_view a, std::string_view b);

int CompareEntries(std::string_view keyA, std::int32_t recordA, std::string_view keyB,
                   std::int32_t recordB, bool duplicates);

}  // namespace oltoma::storage
