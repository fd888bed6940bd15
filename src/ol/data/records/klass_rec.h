// KlassRec: one class, a record of the class file KLASSnn of a competition
// (2348 bytes; key 1 `SortOrdn`, length 15, unique; key 2 `Bet`, length 9,
// unique).
//
//   offset  size  field        meaning; default of a new record
//   0       4     DataStatus   0 in a live record
//   4       3     Lnr          string[2]: own record number, two digits *
//   7       9     Bet          string[8]: class designation, key 2 *
//   16      15    SortOrdn     string[14]: class sort key, key 1 *
//   31      20    Bana         5 x string[3]: course of each day; "A".."E" *
//   51      37    BanLottn     5 x string[6] + 2 bytes: per day j, in a relay
//                              the first StrNr characters of "123456789",
//                              otherwise the digit j *
//   88      520   BanSize      five blocks of 26 int32, one per day: the
//                              course length per split index
//   608     20    SMell        5 x int32: 60 each when several days, else 0
//   628     2     FrstStNr     0
//   630     2     StNrCount    0
//   632     20    FrstStTid    5 x int32: first start time per day; 0
//   652     624   SegrTid      6 x 26 int32: winner times; 5999948 each
//   1276    624   SegrNdx      6 x 26 int32; 0
//   1900    2     maxi         maximum entries: 3200 recreational, else 250
//   1902    312   Count        CountType; 0
//   2214    2     vakanser     the competition's vakanser
//   2216    4     eftAnm       2 x smallint; -1, -1
//   2220    2     FirstDataNr  0
//   2222    2     LastDataNr   0
//   2224    2     StrNr        the competition's StrNr
//   2226    10    nontime      5 x smallint: the competition's nontime
//   2236    10    St           5 x smallint; 1 each
//   2246    10    Goal         5 x smallint; 1 each
//   2256    10    FilNr        5 x smallint; 1 each
//   2266    10    Jakt         5 x smallint: FrstStTid div 60 per day when
//                              the competition has one day, else 0
//   2276    2     Nummerlapp   0
//   2278    2     Flag         byte + 1 byte; 0
//   2280    4     minKmTid     the competition's minKmTid
//   2284    4     maxKmTid     the competition's maxKmTid
//   2288    6     Struken      6 x Boolean: day cancelled (index 0..5); 0
//   2294    6     nPris        0
//   2300    12    nStart       0
//   2312    36    reserv       0
//
// Fields marked * are converted from the OEM code page after reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

#pragma pack(push, 1)

struct KlassRec {
    std::int32_t DataStatus;
    Strng_2 Lnr;
    ShortString<8> Bet;
    ShortString<14> SortOrdn;
    Strng_3 Bana[kDayCount];
    ShortString<6> BanLottn[kDayCount];
    std::uint8_t BanLottnSpare[2];
    std::uint8_t BanSize[520];
    std::int32_t SMell[kDayCount];
    std::int16_t FrstStNr;
    std::int16_t StNrCount;
    std::int32_t FrstStTid[kDayCount];
    std::int32_t SegrTid[kCountGroupCount][kPositionCount];
    std::int32_t SegrNdx[kCountGroupCount][kPositionCount];
    std::int16_t maxi;
    CountType Count;
    std::int16_t vakanser;
    std::int16_t eftAnm[2];
    std::int16_t FirstDataNr;
    std::int16_t LastDataNr;
    std::int16_t StrNr;
    std::int16_t nontime[kDayCount];
    std::int16_t St[kDayCount];
    std::int16_t Goal[kDayCount];
    std::int16_t FilNr[kDayCount];
    std::int16_t Jakt[kDayCount];
    std::int16_t Nummerlapp;
    std::uint8_t Flag;
    std::uint8_t FlagSpare;
    std::int32_t minKmTid;
    std::int32_t maxKmTid;
    Boolean Struken[6];
    std::uint8_t nPris[6];
    std::uint8_t nStart[12];
    std::uint8_t reserv[36];
};

#pragma pack(pop)

static_assert(sizeof(KlassRec) == 2348);
static_assert(std::is_standard_layout_v<KlassRec> && std::is_trivially_copyable_v<KlassRec>);
static_assert(offsetof(KlassRec, DataStatus) == 0);
static_assert(offsetof(KlassRec, Lnr) == 4);
static_assert(offsetof(KlassRec, Bet) == 7);
static_assert(offsetof(KlassRec, SortOrdn) == 16);
static_assert(offsetof(KlassRec, Bana) == 31);
static_assert(offsetof(KlassRec, BanLottn) == 51);
static_assert(offsetof(KlassRec, BanLottnSpare) == 86);
static_assert(offsetof(KlassRec, BanSize) == 88);
static_assert(offsetof(KlassRec, SMell) == 608);
static_assert(offsetof(KlassRec, FrstStNr) == 628);
static_assert(offsetof(KlassRec, StNrCount) == 630);
static_assert(offsetof(KlassRec, FrstStTid) == 632);
static_assert(offsetof(KlassRec, SegrTid) == 652);
static_assert(offsetof(KlassRec, SegrNdx) == 1276);
static_assert(offsetof(KlassRec, maxi) == 1900);
static_assert(offsetof(KlassRec, Count) == 1902);
static_assert(offsetof(KlassRec, vakanser) == 2214);
static_assert(offsetof(KlassRec, eftAnm) == 2216);
static_assert(offsetof(KlassRec, FirstDataNr) == 2220);
static_assert(offsetof(KlassRec, LastDataNr) == 2222);
static_assert(offsetof(KlassRec, StrNr) == 2224);
static_assert(offsetof(KlassRec, nontime) == 2226);
static_assert(offsetof(KlassRec, St) == 2236);
static_assert(offsetof(KlassRec, Goal) == 2246);
static_assert(offsetof(KlassRec, FilNr) == 2256);
static_assert(offsetof(KlassRec, Jakt) == 2266);
static_assert(offsetof(KlassRec, Nummerlapp) == 2276);
static_assert(offsetof(KlassRec, Flag) == 2278);
static_assert(offsetof(KlassRec, minKmTid) == 2280);
static_assert(offsetof(KlassRec, maxKmTid) == 2284);
static_assert(offsetof(KlassRec, Struken) == 2288);
static_assert(offsetof(KlassRec, nPris) == 2294);
static_assert(offsetof(KlassRec, nStart) == 2300);
static_assert(offsetof(KlassRec, reserv) == 2312);

// Fills the record with the defaults of a new class of the competition.
void ClearKlassRec(KlassRec& klass, const InfoRec& competition);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(KlassRec& klass);

// The length of the class's course on stage 1..5 at split index 0..25 (the
// competition's `MellanTid`): int32 entry `splitIndex` of `BanSize` block
// `stage`. 0 for a stage or index outside the table.
std::int32_t ClassCourseLength(const KlassRec& klass, int stage, int splitIndex);

// True when the class has the day (index 0..5) cancelled: its results read
// "Struken" instead of a time or code. False for a day outside the table.
bool IsStruken(const KlassRec& klass, int day);

}  // namespace oltoma::ol
