// What the two route description records share. RutbRec (the older form, in
// RUTBESKR) and Rutb24Rec (the 24-line form, in RUTB24) lay out their symbols
// differently but both hold:
//   Rc     own record number, set when added
//   Namn   string[10], the unique key (length 11), converted from the OEM
//          code page after reading
//   Text   string[48], converted from the OEM code page after reading
//   Mark   smallint; 999 in a new record
// Their layouts stay in rutb_rec.h and rutb24_rec.h; the functions both
// records' headers declare are defined once, over this shared part, in
// route_description.cpp.
#pragma once

#include <cstdint>

namespace oltoma::ol {

// The value of the `Mark` smallint of a new route description.
constexpr std::int16_t kRouteMarkOfNew = 999;

}  // namespace oltoma::ol
