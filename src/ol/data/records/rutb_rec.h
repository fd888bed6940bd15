// RutbRec: a route description symbol in the older form, a record of
// RUTBESKR shared by all competitions (288 bytes; key `Namn`, length 11,
// unique).
//
//   offset  size  field       meaning; default of a new record
//   0       4     DataStatus  0 in a live record
//   4       2     Rc          own record number, set when added
//   6       11    Namn        string[10]: key *
//   17      49    Text        string[48] *
//   66      120   Body        symbol body, stored and copied as it is
//   186     2     Mark        smallint; 999
//   188     100   Reserv
//
// Fields marked * are converted from the OEM code page after reading. What
// the record shares with Rutb24Rec is in route_description.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/route_description.h"

namespace oltoma::ol {

#pragma pack(push, 1)

struct RutbRec {
    std::int32_t DataStatus;
    std::int16_t Rc;
    ShortString<10> Namn;
    ShortString<48> Text;
    std::uint8_t Body[120];
    std::int16_t Mark;
    std::uint8_t Reserv[100];
};

#pragma pack(pop)

static_assert(sizeof(RutbRec) == 288);
static_assert(std::is_standard_layout_v<RutbRec> && std::is_trivially_copyable_v<RutbRec>);
static_assert(offsetof(RutbRec, DataStatus) == 0);
static_assert(offsetof(RutbRec, Rc) == 4);
static_assert(offsetof(RutbRec, Namn) == 6);
static_assert(offsetof(RutbRec, Text) == 17);
static_assert(offsetof(RutbRec, Body) == 66);
static_assert(offsetof(RutbRec, Mark) == 186);
static_assert(offsetof(RutbRec, Reserv) == 188);

// Fills the record with the defaults of a new route description.
void ClearRutbRec(RutbRec& route);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(RutbRec& route);

}  // namespace oltoma::ol
