// InfoRec: one competition, a record of the competition register OLTOMA
// (2364 bytes, no key: the record number is the competition number 1..8).
//
//   offset  size  field           meaning; default of a new record
//   0       4     DataStatus      0 in a live record
//   4       3     Lnr             string[2]: own record number, two digits *
//   7       41    Arr             string[40]: organiser *
//   48      41    Tvl             string[40]: competition name *
//   89      23    Date            string[22]: date text * (cut to 20)
//   112     4     minKmTid        360
//   116     4     maxKmTid        720
//   120     2     DagStr          0
//   122     2     MellanTid       split-time index; 0
//   124     20    StTidCount      5 x int32; 0
//   144     156   ResIndex        one byte per class index 0..155; 0
//   300     10    nontime         5 x smallint; 1 each
//   310     312   Count           CountType; 0
//   622     1     Days            several days (stages); 1
//   623     1     Relay           0
//   624     2     StrNr           days/stages in use; 1
//   626     2     maxDag          0
//   628     2     maxLap          0
//   630     13    Typ             string[12]: competition type *; "MOTION"
//                                 in it (upper case) marks a recreational one
//   643     460   adress          4 x AdressLines: competition leader, course
//                                 setter, course controller, competition
//                                 controller *
//   1103    1     padding
//   1104    16    Avg             e 1, u 1, o 1, l 10 (smallint each), then
//                                 ef string[7] "*1.5" * (cut to 6)
//   1120    1     gLottad         0
//   1121    1     cLottad         0
//   1122    1     sLottad         0
//   1123    1     Lottad          0
//   1124    1     Jaktad          0
//   1125    1     kort            KortRtnTypes; 7 (hall)
//   1126    1     labelMode       1
//   1127    1     postgiromode    giro kind 0..4; 0
//   1128    4     KartSkala       map scale; 15000
//   1132    2     mTabell         word; 12
//   1134    1025  ExtraFileName   TLongPathName *
//   2159    1     doRanking       1
//   2160    2     hhmmssMode      ByteWord; 0
//   2162    4     resDag          2 x smallint; -1, -1
//   2166    4     resDag1         2 x smallint; -1, -1
//   2170    2     gemen           ByteWord: names in mixed case; 1
//   2172    2     BanPrSkala24    1
//   2174    2     banPrSkala8     3
//   2176    2     etkrader        0
//   2178    1     SortVx          0
//   2179    1     mankordn        manual class order; 0
//   2180    1     SNrresultat     0
//   2181    1     eftstartl       0
//   2182    1     banPrSkalaW     byte; 12
//   2183    1     kortkod         0
//   2184    1     remsplakat      0
//   2185    1     PrLogg          0
//   2186    2     remslogg        ByteWord; 0
//   2188    2     etkmarg         2
//   2190    2     timerelative    ByteWord; 0
//   2192    2     vakanser        0
//   2194    2     tvlnr           word; 0
//   2196    2     tvltyp          char16; "?"
//   2198    1     tvldistr        byte; 0
//   2199    1     ClubSort        ClubSortType; 1 (flipordn)
//   2200    2     ClubNrOption    ClubNrOptionType in a ByteWord; 0
//   2202    12    nStart          0
//   2214    1     usedirklass     1
//   2215    23    dirklassfilter  Strng22: class filter words separated by
//                                 blanks *; "Ö DIR"
//   2238    2     barcode         ByteWord; 0
//   2240    20    NollTid         5 x int32: zero time of each day in seconds
//                                 after midnight; 32400 (09:00:00) each
//   2260    1     SNrstart        1
//   2261    103   Reserv          0
//
// Fields marked * are converted from the OEM code page after reading.
// Fields without a default above are 0 in a new record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

#pragma pack(push, 1)

struct AvgType {
    std::int16_t e;
    std::int16_t u;
    std::int16_t o;
    std::int16_t l;
    ShortString<7> ef;
};
static_assert(sizeof(AvgType) == 16);

struct InfoRec {
    std::int32_t DataStatus;
    Strng_2 Lnr;
    ShortString<40> Arr;
    ShortString<40> Tvl;
    Strng22 Date;
    std::int32_t minKmTid;
    std::int32_t maxKmTid;
    std::int16_t DagStr;
    std::int16_t MellanTid;
    std::int32_t StTidCount[kDayCount];
    std::uint8_t ResIndex[156];
    std::int16_t nontime[kDayCount];
    CountType Count;
    Boolean Days;
    Boolean Relay;
    std::int16_t StrNr;
    std::int16_t maxDag;
    std::int16_t maxLap;
    ShortString<12> Typ;
    AdressLines adress[4];
    std::uint8_t Padding1;
    AvgType Avg;
    Boolean gLottad;
    Boolean cLottad;
    Boolean sLottad;
    Boolean Lottad;
    Boolean Jaktad;
    std::uint8_t kort;
    Boolean labelMode;
    std::uint8_t postgiromode;
    std::int32_t KartSkala;
    std::uint16_t mTabell;
    TLongPathName ExtraFileName;
    Boolean doRanking;
    ByteWord hhmmssMode;
    std::int16_t resDag[2];
    std::int16_t resDag1[2];
    ByteWord gemen;
    std::int16_t BanPrSkala24;
    std::int16_t banPrSkala8;
    std::int16_t etkrader;
    Boolean SortVx;
    Boolean mankordn;
    Boolean SNrresultat;
    Boolean eftstartl;
    std::uint8_t banPrSkalaW;
    Boolean kortkod;
    Boolean remsplakat;
    Boolean PrLogg;
    ByteWord remslogg;
    std::int16_t etkmarg;
    ByteWord timerelative;
    std::int16_t vakanser;
    std::uint16_t tvlnr;
    char16_t tvltyp;
    std::uint8_t tvldistr;
    std::uint8_t ClubSort;
    ByteWord ClubNrOption;
    std::uint8_t nStart[12];
    Boolean usedirklass;
    Strng22 dirklassfilter;
    ByteWord barcode;
    std::int32_t NollTid[kDayCount];
    Boolean SNrstart;
    std::uint8_t Reserv[103];
};

#pragma pack(pop)

static_assert(sizeof(InfoRec) == 2364);
static_assert(std::is_standard_layout_v<InfoRec> && std::is_trivially_copyable_v<InfoRec>);
static_assert(offsetof(InfoRec, DataStatus) == 0);
static_assert(offsetof(InfoRec, Lnr) == 4);
static_assert(offsetof(InfoRec, Arr) == 7);
static_assert(offsetof(InfoRec, Tvl) == 48);
static_assert(offsetof(InfoRec, Date) == 89);
static_assert(offsetof(InfoRec, minKmTid) == 112);
static_assert(offsetof(InfoRec, maxKmTid) == 116);
static_assert(offsetof(InfoRec, DagStr) == 120);
static_assert(offsetof(InfoRec, MellanTid) == 122);
static_assert(offsetof(InfoRec, StTidCount) == 124);
static_assert(offsetof(InfoRec, ResIndex) == 144);
static_assert(offsetof(InfoRec, nontime) == 300);
static_assert(offsetof(InfoRec, Count) == 310);
static_assert(offsetof(InfoRec, Days) == 622);
static_assert(offsetof(InfoRec, Relay) == 623);
static_assert(offsetof(InfoRec, StrNr) == 624);
static_assert(offsetof(InfoRec, maxDag) == 626);
static_assert(offsetof(InfoRec, maxLap) == 628);
static_assert(offsetof(InfoRec, Typ) == 630);
static_assert(offsetof(InfoRec, adress) == 643);
static_assert(offsetof(InfoRec, Padding1) == 1103);
static_assert(offsetof(InfoRec, Avg) == 1104);
static_assert(offsetof(InfoRec, Avg) + offsetof(AvgType, u) == 1106);
static_assert(offsetof(InfoRec, Avg) + offsetof(AvgType, o) == 1108);
static_assert(offsetof(InfoRec, Avg) + offsetof(AvgType, l) == 1110);
static_assert(offsetof(InfoRec, Avg) + offsetof(AvgType, ef) == 1112);
static_assert(offsetof(InfoRec, gLottad) == 1120);
static_assert(offsetof(InfoRec, cLottad) == 1121);
static_assert(offsetof(InfoRec, sLottad) == 1122);
static_assert(offsetof(InfoRec, Lottad) == 1123);
static_assert(offsetof(InfoRec, Jaktad) == 1124);
static_assert(offsetof(InfoRec, kort) == 1125);
static_assert(offsetof(InfoRec, labelMode) == 1126);
static_assert(offsetof(InfoRec, postgiromode) == 1127);
static_assert(offsetof(InfoRec, KartSkala) == 1128);
static_assert(offsetof(InfoRec, mTabell) == 1132);
static_assert(offsetof(InfoRec, ExtraFileName) == 1134);
static_assert(offsetof(InfoRec, doRanking) == 2159);
static_assert(offsetof(InfoRec, hhmmssMode) == 2160);
static_assert(offsetof(InfoRec, resDag) == 2162);
static_assert(offsetof(InfoRec, resDag1) == 2166);
static_assert(offsetof(InfoRec, gemen) == 2170);
static_assert(offsetof(InfoRec, BanPrSkala24) == 2172);
static_assert(offsetof(InfoRec, banPrSkala8) == 2174);
static_assert(offsetof(InfoRec, etkrader) == 2176);
static_assert(offsetof(InfoRec, SortVx) == 2178);
static_assert(offsetof(InfoRec, mankordn) == 2179);
static_assert(offsetof(InfoRec, SNrresultat) == 2180);
static_assert(offsetof(InfoRec, eftstartl) == 2181);
static_assert(offsetof(InfoRec, banPrSkalaW) == 2182);
static_assert(offsetof(InfoRec, kortkod) == 2183);
static_assert(offsetof(InfoRec, remsplakat) == 2184);
static_assert(offsetof(InfoRec, PrLogg) == 2185);
static_assert(offsetof(InfoRec, remslogg) == 2186);
static_assert(offsetof(InfoRec, etkmarg) == 2188);
static_assert(offsetof(InfoRec, timerelative) == 2190);
static_assert(offsetof(InfoRec, vakanser) == 2192);
static_assert(offsetof(InfoRec, tvlnr) == 2194);
static_assert(offsetof(InfoRec, tvltyp) == 2196);
static_assert(offsetof(InfoRec, tvldistr) == 2198);
static_assert(offsetof(InfoRec, ClubSort) == 2199);
static_assert(offsetof(InfoRec, ClubNrOption) == 2200);
static_assert(offsetof(InfoRec, nStart) == 2202);
static_assert(offsetof(InfoRec, usedirklass) == 2214);
static_assert(offsetof(InfoRec, dirklassfilter) == 2215);
static_assert(offsetof(InfoRec, barcode) == 2238);
static_assert(offsetof(InfoRec, NollTid) == 2240);
static_assert(offsetof(InfoRec, SNrstart) == 2260);
static_assert(offsetof(InfoRec, Reserv) == 2261);

// Fills the record with the defaults of a new competition.
void ClearInfoRec(InfoRec& info);

// Converts the text fields marked * above from the OEM code page, and cuts
// `Date` to 20 and `Avg.ef` to 6 characters as that conversion always did.
void ConvertAfterRead(InfoRec& info);

// True for a recreational competition: its `Typ`, upper-cased, contains
// "MOTION". Its classes take more entries (MaxClassEntries).
bool IsRecreational(const InfoRec& info);

// Entries a class may hold: 3200 in a recreational competition, else 250.
int MaxClassEntries(bool recreational);

}  // namespace oltoma::ol
