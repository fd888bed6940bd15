// The use counts of a competition's controls: the club table keeps, for
// each control record number 1..512, how many course entries name that
// control. The index rebuild computes them from the courses; storing a
// course through the course register and deleting a course keep them
// equal to what the rebuild would compute.
#pragma once

#include <string>
#include <vector>

#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/track_rec.h"
#include "storage/access_layer.h"

namespace oltoma::ol {

// Controls a competition may hold: the use counts cover record numbers
// 1..512 only, and the index rebuild refuses a larger control file.
inline constexpr int kMaxControls = kClubTableControls;

// Counts one use more (sign +1) or one less (sign -1) of each control that
// entries 1..Antal of the course name and that the open control file
// holds; a count is never lowered below 0. Does nothing while the control
// file is closed.
void CountControlUses(const TrackRec& course, int sign);

// The same with a given control file and club table; the codes of the
// course that the control file does not hold are added to `notFound` when
// it is given.
void CountControlUses(storage::FileBlock* controlFile, const TrackRec& course, CmpClubRec& table,
                      int sign, std::vector<std::string>* notFound = nullptr);

}  // namespace oltoma::ol
