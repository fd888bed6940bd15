// The entry counters of a class and of the competition (`Count`): group 0
// counts every entry at each of its 26 positions, group d (a day 1..5)
// counts at position k the entries whose time of day d at k is still
// 5999948 ("EJSTART"). The index rebuild computes them from the
// participants and the check compares them with such a recount.
#pragma once

#include "ol/data/records/delt_rec.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

// Counts the participant's entry into `counts`: group 0 at every position,
// and groups 1..classDays (its class's `StrNr`, limited to 0..5) at the
// positions where its time is 5999948.
void CountEntryInGroups(const DeltRec& participant, std::int16_t classDays, CountType& counts);

}  // namespace oltoma::ol
