// ClubRec: one club, a record of the club register CLUBAR shared by all
// competitions (548 bytes; key `Namn` in upper case, length 30, duplicates
// allowed).
//
//   offset  size  field       meaning; default of a new record
//   0       4     DataStatus  0 in a live record
//   4       4     Cnr         club number (exported with 5 digits)
//   8       3     Dnr         string[2]: district number *; "00"
//   11      31    Namn        string[30]: club name in upper case, key *
//   42      4     Kort        string[3]: short code *
//   46      460   Adress      4 x AdressLines: club contacts *
//   506     2     Tecken1     char16; "0"
//   508     2     Antal1      smallint; 1
//   510     2     Tecken2     char16; "0"
//   512     2     Tecken3     char16; "0"
//   514     34    reserved    0
//
// Fields marked * are converted from the OEM code page after reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

#pragma pack(push, 1)

struct ClubRec {
    std::int32_t DataStatus;
    std::int32_t Cnr;
    Strng_2 Dnr;
    ShortString<30> Namn;
    Strng_3 Kort;
    AdressLines Adress[4];
    char16_t Tecken1;
    std::int16_t Antal1;
    char16_t Tecken2;
    char16_t Tecken3;
    std::uint8_t Reserv[34];
};

#pragma pack(pop)

static_assert(sizeof(ClubRec) == 548);
static_assert(std::is_standard_layout_v<ClubRec> && std::is_trivially_copyable_v<ClubRec>);
static_assert(offsetof(ClubRec, DataStatus) == 0);
static_assert(offsetof(ClubRec, Cnr) == 4);
static_assert(offsetof(ClubRec, Dnr) == 8);
static_assert(offsetof(ClubRec, Namn) == 11);
static_assert(offsetof(ClubRec, Kort) == 42);
static_assert(offsetof(ClubRec, Adress) == 46);
static_assert(offsetof(ClubRec, Tecken1) == 506);
static_assert(offsetof(ClubRec, Antal1) == 508);
static_assert(offsetof(ClubRec, Tecken2) == 510);
static_assert(offsetof(ClubRec, Tecken3) == 512);
static_assert(offsetof(ClubRec, Reserv) == 514);

// Fills the record with the defaults of a new club.
void ClearClubRec(ClubRec& club);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(ClubRec& club);

}  // namespace oltoma::ol
