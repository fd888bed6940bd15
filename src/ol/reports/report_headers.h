// The header lines that describe the current competition at the top of an
// orienteering report, from the competition record in its buffer.
#pragma once

#include <string>

#include "ol/data/records/info_rec.h"

namespace oltoma::ol {

// The date of stage n (1..5): the competition's date text advanced by
// n - 1 days, with its weekday; a stage below 1 counts as 1.
std::string StageDate(const InfoRec& competition, int stage);
// The same without its weekday: its last 10 characters.
std::string StageDateOnly(const InfoRec& competition, int stage);

// The control report's header, in the large font, then a rule: the
// organiser and, right-aligned, the date (the relay's first stage; else
// stage DagStr, or "first-last" over all StrNr stages when DagStr is 0);
// the competition name; "Dag:" and DagStr at character 47 for a stage of a
// multi-day competition; with all stages of several, "Sträcka:" (relay) or
// "Dag....:" (multi-day) and the stage numbers when they fit the column.
void ControlsHeader();

// The header of the other definition reports and the class list, in the
// current font, three lines: number, organiser, dates, zero time and stage;
// name, counts, minimum and maximum km time, type, stages; per stage its
// count and start time. Stage numbers index only stages 1..5 and counts
// only cells of their table.
void CompetitionHeader();

}  // namespace oltoma::ol
