// The entry counters of the club table: per club, and in entry 0 for all
// clubs, the entries in ordinary and open classes by class category.
#pragma once

#include <cstdint>
#include <string_view>

#include "ol/data/records/class_designation.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"

namespace oltoma::ol {

// Index into ClubEntry::EntryCounters: ordinary classes elite, youth, other
// at 0..2, open classes at 3..5.
int EntryCounterIndex(ClassCategory category, bool openClass);

// Counts (sign +1) or uncounts (sign -1) a participant's entry: adds the
// weight (2 for a pair, a "/" in the first name, else 1) times sign to the
// counter of its class category, ordinary or open by its `Oppen`, in its
// club's entry and in entry 0. Returns false and changes nothing when its
// `ClubRc` is not a club of the table (1..900).
bool CountClubEntry(CmpClubRec& table, const DeltRec& participant,
                    std::string_view classDesignation, int sign);

}  // namespace oltoma::ol
