// KontrRec: one control, a record of the control file KONTRnn of a
// competition (116 bytes; key `KodNr`, length 4, unique). A new record is
// all zero.
//
//   offset  size  field       meaning
//   0       4     DataStatus  0 in a live record
//   4       4     KodNr       string[3]: control code in upper case, key *
//   8       4     posX        position on the course picture
//   12      4     posY
//   16      88    R           8 x string[10]: description entries A..H *
//   104     12    Reserv
//
// Fields marked * are converted from the OEM code page after reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"

namespace oltoma::ol {

// Description entries A..H of a control.
constexpr int kDescriptionEntryCount = 8;

#pragma pack(push, 1)

struct KontrRec {
    std::int32_t DataStatus;
    Strng_3 KodNr;
    std::int32_t posX;
    std::int32_t posY;
    ShortString<10> R[kDescriptionEntryCount];
    std::uint8_t Reserv[12];
};

#pragma pack(pop)

static_assert(sizeof(KontrRec) == 116);
static_assert(std::is_standard_layout_v<KontrRec> && std::is_trivially_copyable_v<KontrRec>);
static_assert(offsetof(KontrRec, DataStatus) == 0);
static_assert(offsetof(KontrRec, KodNr) == 4);
static_assert(offsetof(KontrRec, posX) == 8);
static_assert(offsetof(KontrRec, posY) == 12);
static_assert(offsetof(KontrRec, R) == 16);
static_assert(offsetof(KontrRec, Reserv) == 104);

// Fills the record with the defaults of a new control: all zero.
void ClearKontrRec(KontrRec& control);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(KontrRec& control);

}  // namespace oltoma::ol
