// What the steps of one index rebuild hand on to each other: the
// renumbering tables of clubs and classes, the replacement club, and which
// registers were rebuilt.
#pragma once

#include <cstdint>

#include "ol/data/maintenance/renumbering.h"
#include "ol/data/records/cmp_club_rec.h"

namespace oltoma::ol {

// Record slots the rebuild can renumber or count.
inline constexpr std::int32_t kMaxClubSlots = kClubTableClubs;        // 900
inline constexpr std::int32_t kMaxClassSlots = 80;                    // classes
inline constexpr std::int32_t kMaxControlSlots = kClubTableControls;  // 512
// Registers that store a record's own number in a smallint (participants,
// route descriptions).
inline constexpr std::int32_t kMaxSmallintSlots = 32767;

struct RebuildState {
    int competition = 0;  // 0: only the common registers
    // The data directory whose registers are rebuilt: file system name and
    // Windows-1252 text, each ending in "/". While the new files are built,
    // the working data directory is the staging folder (rebuild_plan.h).
    std::string liveFolder;
    std::string liveFolderText;
    Renumbering clubs{kMaxClubSlots};
    Renumbering classes{kMaxClassSlots};
    std::int32_t replacementClub = 0;  // new number of the last "ÖÖÖ" or "___" club
    bool allRebuilt = true;
};

}  // namespace oltoma::ol
