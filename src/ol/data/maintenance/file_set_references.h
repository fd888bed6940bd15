// The references between the files of a competition, for the check of a
// file set; each difference is one line (UTF-8) "FILE: text":
//   - every live participant of OLnn names a live club of CLUBAR
//     (`ClubRc`) and a live class of KLASSnn (`KlassRc`);
//   - the club table's entry counts (per club and, in entry 0, the clubs
//     with entries) and the category counters of its club entries, the
//     classes' `Count` and the competition's `Count` agree with a recount
//     from the participants, counted as the index rebuild counts them;
//   - the club table's control use counts agree with a recount from the
//     courses of TRACKnn.
// Notices, not problems: a course's control code that KONTRnn does not hold
// (allowed; the course is drawn without it), a control use count that
// differs from the recount (the counts lag the courses by design: the
// course register and a control added after its courses change none, and
// the index rebuild recounts), and participants without a club or class
// (record 0). Files that
// cannot be opened are left out here: their own check reports them.
#pragma once

#include <string>
#include <vector>

namespace oltoma::ol {

void CheckCompetitionReferences(const std::string& folder, int competition,
                                std::vector<std::string>& problems,
                                std::vector<std::string>& notices);

}  // namespace oltoma::ol
