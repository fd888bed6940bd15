// Swedish upper- and lower-case mapping of Windows-1252 text. Index keys are
// built with UpperString, so the mapping must never change: accents other
// than those of Ä Å Æ Ç É Ñ Ö Ü are dropped when upper-casing, and the two
// mappings are deliberately not inverses of each other.
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

char UpCaseSwedish(char c);
char LowCaseSwedish(char c);

std::string UpperString(std::string_view text);
std::string LowerString(std::string_view text);

// Upper-cases the text, then lower-cases every character of a word after its
// first; words are separated by space , - . and /.
std::string CapitalizeWords(std::string_view text);

}  // namespace oltoma
