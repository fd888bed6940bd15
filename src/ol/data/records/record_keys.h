// The keys of the indexed orienteering files. A key text is built from its
// record field with the Swedish upper-case mapping and cut to the characters
// lookups use, so a key built for a search and the key stored with a record
// always agree.
//
//   file      record     key                         length  duplicates
//   CLUBAR    ClubRec    1: Namn (30 characters)     30      yes
//   DISTR     DistrRec   1: Dnr (2)                  3       yes
//   RUTBESKR  RutbRec    1: Namn (10)                11      no
//   RUTB24    Rutb24Rec  1: Namn (10)                11      no
//   KLASSnn   KlassRec   1: SortOrdn (14)            15      no
//                        2: Bet (8)                  9       no
//   OLnn      DeltRec    1: NrStr (4)                5       yes
//   TRACKnn   TrackRec   1: Bana (12)                13      no
//   KONTRnn   KontrRec   1: KodNr (3)                4       no
//
// The competition register OLTOMA has no key: a competition's record number
// is its number.
#pragma once

#include <string>
#include <string_view>

#include "ol/data/records/club_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {

// Index description of one key of a file.
struct KeyFormat {
    int length;
    bool duplicates;
};

constexpr KeyFormat kClubKeyFormat{30, true};
constexpr KeyFormat kDistrictKeyFormat{3, true};
constexpr KeyFormat kRouteKeyFormat{11, false};
constexpr KeyFormat kClassSortKeyFormat{15, false};
constexpr KeyFormat kClassDesignationKeyFormat{9, false};
constexpr KeyFormat kParticipantKeyFormat{5, true};
constexpr KeyFormat kCourseKeyFormat{13, false};
constexpr KeyFormat kControlKeyFormat{4, false};

std::string ClubKey(std::string_view name);
std::string DistrictKey(std::string_view dnr);
std::string RouteKey(std::string_view name);
std::string ClassSortOrderKey(std::string_view sortOrdn);
std::string ClassDesignationKey(std::string_view bet);
std::string ParticipantKey(std::string_view nrStr);
std::string CourseKey(std::string_view bana);
std::string ControlKey(std::string_view kodNr);

// What an empty key field is stored as when a record is added or rewritten.
inline constexpr std::string_view kEmptyKeyText = "XXX";
inline constexpr std::string_view kEmptyDistrictKeyText = "99";

// Give an empty key field its stored replacement; other keys stay as they
// are. Participants have none: their key is their number.
void ReplaceEmptyKey(ClubRec& club);
void ReplaceEmptyKey(DistrRec& district);
void ReplaceEmptyKey(RutbRec& route);
void ReplaceEmptyKey(Rutb24Rec& route);
void ReplaceEmptyKey(KlassRec& klass);
void ReplaceEmptyKey(TrackRec& course);
void ReplaceEmptyKey(KontrRec& control);

}  // namespace oltoma::ol
