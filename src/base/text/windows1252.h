// Windows-1252 is the code page of every text the system stores. These
// conversions are used at the edges: key comparison (by Unicode code point),
// and the Qt and UTF-8 boundary (source files and the terminal are UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control of
// the same value, as older files rely on.
char32_t DecodeWindows1252(unsigned char byte);

// The Windows-1252 byte of a code point; false when the code page has none.
bool EncodeWindows1252(char32_t codePoint, char& byte);

// Windows-1252 text to UTF-8.
std::string Utf8FromWindows1252(std::string_view text);

// The text up to, not including, its first byte that is no printable
// Windows-1252 character (a control character below 0x20, 0x7F, or one of
// the five undefined bytes). For names read from a file that may hold
// anything, so that no garbage reaches the screen.
std::string_view PrintablePrefix(std::string_view text);

// UTF-8 text to Windows-1252; characters without a byte, and malformed UTF-8
// sequences, become the replacement character.
std::string Windows1252FromUtf8(std::string_view text, char replacement = '?');

}  // namespace oltoma
