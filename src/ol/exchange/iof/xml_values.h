// Values as IOF XML documents hold them, read and written the same way by
// the import and the exports.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace oltoma::ol::iof {

// A text of the document (UTF-8) as the model keeps it: Windows-1252 ("?"
// for characters the code page lacks), control characters as blanks, blanks
// trimmed at both ends, cut to `length` characters.
std::string KeptText(std::string_view utf8, std::size_t length);

// An xs:double or xs:integer text (blanks around it allowed); nothing when
// it is not one.
std::optional<double> ReadDouble(std::string_view text);
std::optional<long long> ReadInteger(std::string_view text);

// An xs:double text times ten, computed on the decimal text ("12.35" reads
// as 123.5 exactly), so that values half-way between two tenths stay
// half-way for rounding.
std::optional<double> ReadTenths(std::string_view text);

// Rounded to the nearest whole number, halves away from zero, clamped to
// the type's range; 0 for NaN.
std::int32_t RoundedInt32(double value);
std::int16_t RoundedInt16(double value);

// Tenths as a decimal with one decimal: 123 gives "12.3", -5 gives "-0.5".
std::string TenthsText(std::int32_t tenths);

// A stored text (Windows-1252) as UTF-8 for a document, leaving out the
// characters XML 1.0 forbids (the control characters but tab, LF and CR).
std::string DocumentText(std::string_view stored);

}  // namespace oltoma::ol::iof
