// The participants of the index rebuild (OLnn) and the counters computed
// from them. Needs the rebuilt classes KLASSnn, the competition
// record in the competition buffer and the club table in its buffer.
//
// Before the first participant: the competition's Count groups 0..StrNr and
// StTidCount days 1..StrNr are cleared, so are the classes' Count groups
// 0..StrNr; in the club table the entry counts 0..900 are cleared, each
// club's 40-byte entry moves with its club to the club's new number
// (amounts kept; entry 0 stays), and the six category counters of every
// entry are cleared.
//
// Each live participant is added with AddRec (its key once, after the
// record): ClubRc is mapped through the club renumbering table, and a club
// that maps to 0 gives the status line
//   Nummer: "<NrStr>" <first Namn> felaktig klubb!
// and the replacement club; KlassRc is mapped through the class table; Rc
// becomes the new number; NrStr becomes Nr in four digits. Then it is
// counted: its club's entry count (and entry 0, the clubs with entries, when
// that was 0), its entry in the category counters of its club's entry and
// entry 0 (class category and weight as for every entry), every position of
// Count group 0 of its class and the competition, group d of day d's
// positions whose time is 5999948, and the competition's StTidCount of day
// d raised to the class's FrstStTid + its StTid. The classes are written
// back and the competition record is stored.
#pragma once

#include "ol/data/maintenance/rebuild/rebuild_register.h"
#include "ol/data/maintenance/rebuild/rebuild_state.h"

namespace oltoma::ol {

// Returns whether OLnn was built and the counters stored.
bool RebuildParticipants(RebuildState& state, const RebuildTexts& texts);

}  // namespace oltoma::ol
