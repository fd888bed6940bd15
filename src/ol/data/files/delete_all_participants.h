// Deleting every participant of the current competition ("&radera alla
// deltagare").
#pragma once

namespace oltoma::ol {

// When the participant files are open and the participant file holds at
// least one live record: asks "Alla Persondata kommer att raderas Ok!"
// (yes/no) and on yes, under the progress window "Skapar nya personfiler",
//   - replaces OLnn by a new empty participant file,
//   - resets the competition's counters, draw flags and current stage and
//     stores it,
//   - resets the start numbers, counters and winner times of every class
//     (in designation order, each shown as "Nollställer Klass:" + its
//     designation),
//   - zeroes the club table's counter and the clubs' entry counts.
// The new participant file is made under another name first and takes the
// old one's place only once it exists, so a failure to make it leaves the
// participants as they were. Failures are reported in MessageLine. Returns
// whether the participants were deleted.
bool DeleteAllParticipants();

}  // namespace oltoma::ol
