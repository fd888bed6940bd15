// Tokens of a script line: words separated by single blanks, decimal
// numbers, and byte strings written as "x" followed by two hex digits per
// byte ("x" alone is the empty string).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oltoma::tool {

// Splits at single blanks; an empty token (two blanks in a row, or a blank
// at either end) makes the line malformed and returns false.
bool SplitTokens(std::string_view line, std::vector<std::string_view>& tokens);

// A decimal 32-bit integer with an optional leading "-".
bool ParseInt32(std::string_view token, std::int32_t& value);

bool ParseBytes(std::string_view token, std::string& bytes);

// The "x" form of bytes, lower-case hex digits.
std::string FormatBytes(std::string_view bytes);

}  // namespace oltoma::tool
