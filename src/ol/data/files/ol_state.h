// The process-wide state of the orienteering data layer: the open files of
// the data directory, which file groups are open, the current competition,
// and one record buffer per record kind that every register, report, import
// and export works through.
//
// Invariants the layer keeps:
//   - a file handle is non-null exactly while its fileblock is open;
//   - at most one of the two per-competition groups (participant files,
//     definition files) is open, and only while the common files are;
//   - the competition register is open only inside one operation;
//   - CurrentCompetition is 0 (none) or a competition number 1..8.
#pragma once

#include <cstdint>

#include "ol/data/records/club_rec.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"
#include "storage/isam_types.h"

namespace oltoma::ol {

// Competitions that fit the menus: numbers 1..8.
inline constexpr int kMaxCompetitions = 8;
// Entries of the ordering table (values 0..3200 at start).
inline constexpr int kOrderingTableSize = 3201;
inline constexpr int kWorkAreaBytes = 25608;

// The buffer of one record kind.
template <typename Record>
struct RecordBuffer {
    Record rec{};
    bool changed = false;
    std::int32_t rc = 0;            // record last found or stored; 0 after clearing
    storage::IsamKeyStr cursorKey;  // key position of Find modes 2 and 3
};

struct OlState {
    bool started = false;  // OlStartup ran and OlShutdown did not yet

    // Open fileblocks (null when closed). The competition register has no
    // handle here: it is opened inside each operation.
    storage::FileBlock* clubFile = nullptr;
    storage::FileBlock* districtFile = nullptr;
    storage::FileBlock* routeFile = nullptr;    // RUTBESKR
    storage::FileBlock* route24File = nullptr;  // RUTB24
    storage::FileBlock* classFile = nullptr;
    storage::FileBlock* participantFile = nullptr;
    storage::FileBlock* courseFile = nullptr;
    storage::FileBlock* controlFile = nullptr;

    bool CommonFilesOpen = false;
    bool ParticipantFilesOpen = false;
    bool DefinitionFilesOpen = false;
    bool RouteFileOpen = false;
    bool Route24FileOpen = false;
    int routeFormatInUse = 0;  // the route description format the open file is of
    bool Recreational = false;

    std::int32_t CompetitionSlots = 0;  // FileLen of the register: highest number + 1
    std::int32_t CompetitionsUsed = 0;  // live competitions
    int CurrentCompetition = 0;         // 0 = none

    RecordBuffer<InfoRec> competition;
    RecordBuffer<KlassRec> klass;
    RecordBuffer<DeltRec> participant;
    RecordBuffer<ClubRec> club;
    RecordBuffer<DistrRec> district;
    RecordBuffer<KontrRec> control;
    RecordBuffer<TrackRec> course;
    RecordBuffer<RutbRec> route;
    RecordBuffer<Rutb24Rec> route24;

    InfoRec secondCompetition{};
    std::int16_t orderingTable[kOrderingTableSize] = {};
    std::int16_t workArea[kWorkAreaBytes / 2] = {};
    CmpClubRec clubTable{};
};

// The layer's state; lives for the whole process.
OlState& Ol();

// Resets the first three smallint of the work area.
void ResetWorkAreaCounters();

}  // namespace oltoma::ol
