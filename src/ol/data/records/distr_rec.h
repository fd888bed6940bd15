// DistrRec: one district, a record of the district register DISTR shared by
// all competitions (32 bytes; key `Dnr`, length 3, duplicates allowed).
//
//   offset  size  field       meaning; default of a new record
//   0       4     DataStatus  0 in a live record
//   4       3     Dnr         string[2]: district number, two digits, key *;
//                             "99"
//   7       20    Dname       string[19]: district name *
//   27      4     Dkort       string[3]: nation code *
//   31      1     reserved    0
//
// Fields marked * are converted from the OEM code page after reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"

namespace oltoma::ol {

using DistrNrStrng = Strng_2;
using DistrNameStrng = ShortString<19>;

#pragma pack(push, 1)

struct DistrRec {
    std::int32_t DataStatus;
    DistrNrStrng Dnr;
    DistrNameStrng Dname;
    Strng_3 Dkort;
    std::uint8_t Reserv;
};

#pragma pack(pop)

static_assert(sizeof(DistrRec) == 32);
static_assert(std::is_standard_layout_v<DistrRec> && std::is_trivially_copyable_v<DistrRec>);
static_assert(offsetof(DistrRec, DataStatus) == 0);
static_assert(offsetof(DistrRec, Dnr) == 4);
static_assert(offsetof(DistrRec, Dname) == 7);
static_assert(offsetof(DistrRec, Dkort) == 27);
static_assert(offsetof(DistrRec, Reserv) == 31);

// Fills the record with the defaults of a new district.
void ClearDistrRec(DistrRec& district);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(DistrRec& district);

}  // namespace oltoma::ol
