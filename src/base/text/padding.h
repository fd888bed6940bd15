// Padding of texts for fixed-width list and report columns. Results are at
// most 255 characters (longer results are cut at the right).
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

inline constexpr int kMaxPaddedLength = 255;

// n copies of c; empty when n <= 0.
std::string RepeatChar(char c, int n);

// text left-aligned in a field of max(width, length) characters, the rest
// filled with fill. The text is never cut to the width.
std::string PadRight(std::string_view text, char fill, int width);

// text right-aligned in such a field, filled on the left.
std::string PadLeft(std::string_view text, char fill, int width);

// PadRight with spaces.
std::string PadSpaces(std::string_view text, int width);

// text without its trailing spaces; a text of spaces only keeps one, an
// empty text stays empty.
std::string TrimTrailingSpaces(std::string_view text);

}  // namespace oltoma
