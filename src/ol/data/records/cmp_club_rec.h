// CmpClubRec: the club table of a competition, the one 41080-byte record of
// the plain file CLUBSnn.Dat. Club and control record numbers index its
// tables; use the accessors below, which refuse numbers outside them.
//
//   offset        size   field             meaning
//   0             1025   PathText          TLongPathName *
//   1025          1025   BackupDirectory   TLongPathName: where the backup
//                                          copy last went *
//   2050          2      Counter           a counter (0 in a new table)
//   2052 + 2i     2      ClubEntryCount    i = 0..900: entries of the club
//                                          with record number i; entry 0
//                                          holds the number of clubs with
//                                          entries
//   3852 + 2k     2      ControlUseCount   k = 1..512: uses of the control
//                                          with record number k by the
//                                          courses (k = 0 would be club 900)
//   4878          20     Reserv1
//   4898          33     Text1             string[32] *
//   4931          33     Text2             string[32] *
//   4964          33     Arr               string[32]: organiser (a new
//                                          table: the competition's Arr) *
//   4997          3      Reserv2
//   5000 + 40i    40     Clubs             i = 0..900: the club entry of the
//                                          club with record number i; entry
//                                          0 holds the totals
//   41040         40     Reserv3
//
// A club entry (ClubEntry, 40 bytes):
//
//   offset  size  field           meaning
//   0       8     Reserv1
//   8       6     FirstAmount     Real48, exported with two decimals
//   14      2     Reserv2
//   16      6     SecondAmount    Real48, exported with two decimals
//   22      12    EntryCounters   6 x smallint: ordinary classes elite,
//                                 youth, other; open classes elite, youth,
//                                 other
//   34      6     Reserv3
//
// Fields marked * are converted from the OEM code page after reading. A new
// table is all zero except its organiser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/real48.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

// Clubs and controls the club table has room for (record numbers 1..900 and
// 1..512).
constexpr int kClubTableClubs = 900;
constexpr int kClubTableControls = 512;

#pragma pack(push, 1)

struct ClubEntry {
    std::uint8_t Reserv1[8];
    Real48 FirstAmount;
    std::uint8_t Reserv2[2];
    Real48 SecondAmount;
    std::int16_t EntryCounters[6];
    std::uint8_t Reserv3[6];
};

struct CmpClubRec {
    TLongPathName PathText;
    TLongPathName BackupDirectory;
    std::int16_t Counter;
    std::int16_t ClubEntryCount[kClubTableClubs + 1];
    std::int16_t ControlUseCount[kClubTableControls];
    std::uint8_t Reserv1[20];
    ShortString<32> Text1;
    ShortString<32> Text2;
    ShortString<32> Arr;
    std::uint8_t Reserv2[3];
    ClubEntry Clubs[kClubTableClubs + 1];
    std::uint8_t Reserv3[40];
};

#pragma pack(pop)

static_assert(sizeof(ClubEntry) == 40);
static_assert(offsetof(ClubEntry, Reserv1) == 0);
static_assert(offsetof(ClubEntry, FirstAmount) == 8);
static_assert(offsetof(ClubEntry, Reserv2) == 14);
static_assert(offsetof(ClubEntry, SecondAmount) == 16);
static_assert(offsetof(ClubEntry, EntryCounters) == 22);
static_assert(offsetof(ClubEntry, Reserv3) == 34);

static_assert(sizeof(CmpClubRec) == 41080);
static_assert(std::is_standard_layout_v<CmpClubRec> && std::is_trivially_copyable_v<CmpClubRec>);
static_assert(offsetof(CmpClubRec, PathText) == 0);
static_assert(offsetof(CmpClubRec, BackupDirectory) == 1025);
static_assert(offsetof(CmpClubRec, Counter) == 2050);
static_assert(offsetof(CmpClubRec, ClubEntryCount) == 2052);
static_assert(offsetof(CmpClubRec, ControlUseCount) == 3852 + 2 * 1);
static_assert(offsetof(CmpClubRec, Reserv1) == 3852 + 2 * (kClubTableControls + 1));
static_assert(offsetof(CmpClubRec, Reserv1) == 4878);
static_assert(offsetof(CmpClubRec, Text1) == 4898);
static_assert(offsetof(CmpClubRec, Text2) == 4931);
static_assert(offsetof(CmpClubRec, Arr) == 4964);
static_assert(offsetof(CmpClubRec, Reserv2) == 4997);
static_assert(offsetof(CmpClubRec, Clubs) == 5000);
static_assert(offsetof(CmpClubRec, Reserv3) == 5000 + 40 * (kClubTableClubs + 1));

// Fills the table with zeros; its organiser becomes the competition's `Arr`.
void ClearCmpClubRec(CmpClubRec& table, const InfoRec& competition);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(CmpClubRec& table);

// The club entry of club record number 0..900 (0: the totals); nullptr for
// any other number.
ClubEntry* ClubEntryOf(CmpClubRec& table, std::int32_t clubRc);
const ClubEntry* ClubEntryOf(const CmpClubRec& table, std::int32_t clubRc);

// Entries of club record number 0..900 (0: clubs with entries); 0 for any
// other number. The setter returns false and changes nothing outside.
std::int16_t EntryCountOf(const CmpClubRec& table, std::int32_t clubRc);
bool SetEntryCount(CmpClubRec& table, std::int32_t clubRc, std::int16_t count);

// Uses of control record number 1..512 by the courses; 0 for any other
// number. AddControlUse adds delta (wrapping like the stored 16-bit value)
// and returns false, changing nothing, outside 1..512.
std::int16_t ControlUseOf(const CmpClubRec& table, std::int32_t controlRc);
bool AddControlUse(CmpClubRec& table, std::int32_t controlRc, int delta);

}  // namespace oltoma::ol
