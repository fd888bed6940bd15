// The mod-10 check of giro account numbers.
#pragma once

#include <string_view>

namespace oltoma {

// True when the digits of text pass the mod-10 check: from the rightmost
// digit leftwards the digits are weighted 1, 2, 1, 2, ..., a product above 9
// has 9 subtracted, and the sum must be divisible by 10. Characters other
// than 0..9 are ignored; a text without digits is valid.
bool LuhnValid(std::string_view text);

}  // namespace oltoma
