// Fields and numbers of an exchange file's lines. A line is fields separated
// by a separator character (the import uses ","); fields are never quoted,
// so a separator can never be part of a field.
//
// Numbers are read as other programs' files write them: leading blanks, an
// optional sign, then decimal digits up to the first other character. A
// field without a digit reads as 0. The value saturates at the 32-bit range;
// 16-bit fields are clamped to theirs and picture bytes keep the low 8 bits
// of the value (300 gives 44, -1 gives 255).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace oltoma {

// The n-th field (from 1) of the line: the text before the first separator,
// between two separators, or after the last one. Characters 0..31 and 255
// read as blanks and trailing blanks are removed, so a field of blanks and
// control characters is empty. A line with fewer fields, and n < 1, give an
// empty text.
std::string GetField(std::string_view line, char separator, int n);

struct NumberReading {
    std::int32_t value = 0;  // saturated at the 32-bit range; 0 without digits
    bool digits = false;     // at least one digit was read
    std::size_t stop = 0;    // where reading stopped: after blanks, sign and digits
};

NumberReading ReadNumber(std::string_view text);

std::int32_t FieldNumber(std::string_view text);
std::int16_t FieldSmallint(std::string_view text);
std::uint8_t FieldByte(std::string_view text);

// True when the number reader takes the whole text: blanks, a sign and at
// least one digit, nothing else.
bool ReadsAsNumber(std::string_view text);

}  // namespace oltoma
