// TrackRec: one course, a record of the course file TRACKnn of a competition
// (280 bytes; key `Bana`, length 13, unique). A new record is all zero.
//
//   offset  size  field       meaning
//   0       4     DataStatus  0 in a live record
//   4       13    Bana        string[12]: designation in upper case, key *
//   17      3     padding
//   20      104   BanSize     26 x int32: lengths in metres, indexed by the
//                             competition's MellanTid
//   124     2     Rise        climb
//   126     2     Antal       number of controls, 0..35
//   128     140   KodNr       35 x string[3]: control codes in running order *
//   268     12    Reserv
//
// Fields marked * are converted from the OEM code page after reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

// Controls a course can hold.
constexpr int kCourseControlCount = 35;

#pragma pack(push, 1)

struct TrackRec {
    std::int32_t DataStatus;
    ShortString<12> Bana;
    std::uint8_t Padding1[3];
    std::int32_t BanSize[kPositionCount];
    std::int16_t Rise;
    std::int16_t Antal;
    Strng_3 KodNr[kCourseControlCount];
    std::uint8_t Reserv[12];
};

#pragma pack(pop)

static_assert(sizeof(TrackRec) == 280);
static_assert(std::is_standard_layout_v<TrackRec> && std::is_trivially_copyable_v<TrackRec>);
static_assert(offsetof(TrackRec, DataStatus) == 0);
static_assert(offsetof(TrackRec, Bana) == 4);
static_assert(offsetof(TrackRec, Padding1) == 17);
static_assert(offsetof(TrackRec, BanSize) == 20);
static_assert(offsetof(TrackRec, Rise) == 124);
static_assert(offsetof(TrackRec, Antal) == 126);
static_assert(offsetof(TrackRec, KodNr) == 128);
static_assert(offsetof(TrackRec, Reserv) == 268);

// Fills the record with the defaults of a new course: all zero.
void ClearTrackRec(TrackRec& course);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(TrackRec& course);

// The course's number of controls limited to 0..35, so loops over `KodNr`
// never leave the table whatever `Antal` a file holds.
int ControlCount(const TrackRec& course);

// The course length at split index 0..25 (the competition's `MellanTid`); 0
// for an index outside the table.
std::int32_t CourseLength(const TrackRec& course, int splitIndex);

// Sets the course length at split index 0..25; false, changing nothing, for
// an index outside the table.
bool SetCourseLength(TrackRec& course, int splitIndex, std::int32_t length);

}  // namespace oltoma::ol
