#include "ol/data/records/entry_counts.h"

#include "ol/data/records/result_codes.h"

namespace oltoma::ol {

void CountEntryInGroups(const DeltRec& participant, std::int16_t classDays, CountType& counts) {
    const int countedDays = ClampedDayCount(classDays);
    for (int position = 0; position < kPositionCount; ++position) {
        AddToCount(counts, 0, position, 1);
        for (int day = 1; day <= countedDays; ++day) {
            if (participant.Tider[day][position] == kEjStartTime) {
                AddToCount(counts, day, position, 1);
            }
        }
    }
}

}  // namespace oltoma::ol
