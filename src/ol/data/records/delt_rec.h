// DeltRec: one participant, a record of the participant file OLnn of a
// competition (1748 bytes; key `NrStr`, length 5, duplicates allowed).
//
//   offset  size  field       meaning; default of a new record
//   0       4     DataStatus  0 in a live record
//   4       4     KlassRc     record number of the participant's class
//   8       5     NrStr       string[4]: Nr in 4 digits, key *; "0000"
//   13      1     padding
//   14      2     Nr          participant number
//   16      2     Rc          own record number
//   18      312   Plac        6 x 26 smallint: places; 9999 each
//   330     2     reserved
//   332     20    StTid       5 x int32: start time offset per day
//   352     624   Tider       6 x 26 int32: times; 5999948 each
//   976     520   EtappTid    5 x 26 int32: per stage a block whose first
//                             value is the stage result; 0
//   1496    8     Bricka      string[7]: card text *
//   1504    165   Namn        5 x string[32]: name per day or leg (a "/" in
//                             the first marks a pair) *; when the competition
//                             has one day, entry n is "str " + n in 2 digits
//   1669    3     padding
//   1672    4     ClubRc      record number of the participant's club
//   1676    20    DagBana     5 x string[3]: course per day *
//   1696    1     Oppen       entered in an open class
//   1697    15    DagKod      5 x string[2]; "LL" each
//   1712    2     Extra       exported with 4 digits when not 0
//   1714    34    Info        string[33]: free text
//
// Fields marked * are converted from the OEM code page after reading. A new
// record is all zero before the defaults are set; a rewrite carries every
// byte it does not change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

#pragma pack(push, 1)

struct DeltRec {
    std::int32_t DataStatus;
    std::int32_t KlassRc;
    ShortString<4> NrStr;
    std::uint8_t Padding1;
    std::int16_t Nr;
    std::int16_t Rc;
    std::int16_t Plac[kCountGroupCount][kPositionCount];
    std::uint8_t Reserved1[2];
    std::int32_t StTid[kDayCount];
    std::int32_t Tider[kCountGroupCount][kPositionCount];
    std::int32_t EtappTid[kDayCount][kPositionCount];
    ShortString<7> Bricka;
    ShortString<32> Namn[kDayCount];
    std::uint8_t Padding2[3];
    std::int32_t ClubRc;
    Strng_3 DagBana[kDayCount];
    Boolean Oppen;
    Strng_2 DagKod[kDayCount];
    std::int16_t Extra;
    ShortString<33> Info;
};

#pragma pack(pop)

static_assert(sizeof(DeltRec) == 1748);
static_assert(std::is_standard_layout_v<DeltRec> && std::is_trivially_copyable_v<DeltRec>);
static_assert(offsetof(DeltRec, DataStatus) == 0);
static_assert(offsetof(DeltRec, KlassRc) == 4);
static_assert(offsetof(DeltRec, NrStr) == 8);
static_assert(offsetof(DeltRec, Padding1) == 13);
static_assert(offsetof(DeltRec, Nr) == 14);
static_assert(offsetof(DeltRec, Rc) == 16);
static_assert(offsetof(DeltRec, Plac) == 18);
static_assert(offsetof(DeltRec, Reserved1) == 330);
static_assert(offsetof(DeltRec, StTid) == 332);
static_assert(offsetof(DeltRec, Tider) == 352);
static_assert(offsetof(DeltRec, EtappTid) == 976);
static_assert(offsetof(DeltRec, Bricka) == 1496);
static_assert(offsetof(DeltRec, Namn) == 1504);
static_assert(offsetof(DeltRec, Padding2) == 1669);
static_assert(offsetof(DeltRec, ClubRc) == 1672);
static_assert(offsetof(DeltRec, DagBana) == 1676);
static_assert(offsetof(DeltRec, Oppen) == 1696);
static_assert(offsetof(DeltRec, DagKod) == 1697);
static_assert(offsetof(DeltRec, Extra) == 1712);
static_assert(offsetof(DeltRec, Info) == 1714);

// Fills the record with the defaults of a new participant of the
// competition.
void ClearDeltRec(DeltRec& participant, const InfoRec& competition);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(DeltRec& participant);

// The stage result of stage 1..5 (the first value of its `EtappTid` block);
// 0 for a stage outside the table.
std::int32_t StageResult(const DeltRec& participant, int stage);

// Whether the participant's name marks a pair: its first `Namn` contains "/".
bool IsPair(const DeltRec& participant);

}  // namespace oltoma::ol
