#include "ol/data/records/club_counters.h"

namespace oltoma::ol {

int EntryCounterIndex(ClassCategory category, bool openClass) {
    return static_cast<int>(category) + (openClass ? 3 : 0);
}

bool CountClubEntry(CmpClubRec& table, const DeltRec& participant,
                    std::string_view classDesignation, int sign) {
    const std::int32_t clubRc = participant.ClubRc;
    if (clubRc < 1 || clubRc > kClubTableClubs) {
        return false;
    }
    const int index =
        EntryCounterIndex(CategoryOfClass(classDesignation), IsSet(participant.Oppen));
    const int delta = (IsPair(participant) ? 2 : 1) * sign;
    for (ClubEntry* entry : {&table.Clubs[clubRc], &table.Clubs[0]}) {
        entry->EntryCounters[index] =
            static_cast<std::int16_t>(entry->EntryCounters[index] + delta);
    }
    return true;
}

}  // namespace oltoma::ol
