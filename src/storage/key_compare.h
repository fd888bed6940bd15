// The order of index keys, for callers that list records in the order an
// index would keep them: keys compare by the Unicode code points of their
// Windows-1252 characters, a key that is a prefix of the other being
// smaller.
#pragma once

#include <string_view>

namespace oltoma::storage {

// Negative, zero or positive as a sorts before, with or after b.
int CompareKeys(std::string_view a, std::string_view b);

}  // namespace oltoma::storage
