// The data side of the competition dialog ("&ny" and "&ändra"): what happens
// to the competition record, the register and the files before the dialog
// opens, on OK and on Cancel. The dialog itself only edits the buffers.
#pragma once

#include <string>
#include <string_view>

#include "ol/data/records/info_rec.h"

namespace oltoma::ol {

// Before the dialog opens. Without open common files there is no current
// competition and the result is false. Changing without a chosen
// competition is refused with a beep and "<tävling ej vald/inmatad>" in
// MessageLine (false). When adding while eight
// competitions are live, MessageLine gets "Max antal tävlingar uppnått kan
// ej addera flera!" (shown at the next status refresh) and the result is
// false. Otherwise, when adding, the open competition's participant files
// are closed (its record is written back while the buffer still holds it),
// the buffer gets the defaults of a new competition, the club table buffer
// is cleared (so the dialog shows no giro texts of another competition) and
// no competition is current until OK stores the new one. Returns whether
// the dialog may open.
bool BeginCompetitionInfo(bool add);

// The club table texts the dialog edits (each stored at most 32
// characters, Windows-1252).
struct CompetitionGiroTexts {
    std::string plusgiro;
    std::string bankgiro;
    std::string recipient;
};

// On OK, after the dialog stored its fields in the competition buffer:
// writes the competition to the register (a new one when adding), creates
// and opens a new competition's files, or opens the participant files of
// the edited one when they are closed; then stores the giro texts in the
// competition's club table (after the files are open, so a new table does
// not clear them). A new competition whose files cannot be made is removed
// again. Returns success; on failure MessageLine says why.
bool CommitCompetitionInfo(bool adding, const CompetitionGiroTexts& giro);

// On Cancel: the competition buffer gets `saved` back and, when the
// participant files are closed, the competition remembered in the settings
// is made current again.
void CancelCompetitionInfo(const InfoRec& saved);

// Whether a competition may be added now: false when eight are live.
bool MayAddCompetition();

}  // namespace oltoma::ol
