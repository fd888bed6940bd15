// What the system reads from a class designation (`Bet`, at most 8
// characters): the age of the class, its category for the club counters,
// and whether the competition's class filter names it. All comparisons are
// on the stored Windows-1252 bytes, case-sensitive.
#pragma once

#include <string_view>

namespace oltoma::ol {

// The first run of digits of the designation read as a number; 0 when there
// is none. H21E gives 21, D10 gives 10, INS gives 0.
int ClassAge(std::string_view designation);

// Category of a class for the club counters, in the order of the counters.
enum class ClassCategory { elite = 0, youth = 1, other = 2 };

// Elite when the designation contains "E" and none of the youth words
// UNGDSKOL INS SKOLA HU DU U1 U2 U3 U4 U5; otherwise youth when the class
// age is 1..16, or 0 with a youth word present; otherwise other.
ClassCategory CategoryOfClass(std::string_view designation);

// True when one of the blank-separated words of the filter (the
// competition's `dirklassfilter`) begins the designation. Empty words, as
// between two blanks, name no class.
bool ClassFilterMatches(std::string_view filter, std::string_view designation);

}  // namespace oltoma::ol
