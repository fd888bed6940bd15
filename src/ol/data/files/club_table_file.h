// The club table file of the current competition: CLUBSnn.Dat, a plain file
// of exactly one 41080-byte CmpClubRec, read and written whole into the
// layer's club table buffer (Ol().clubTable).
#pragma once

namespace oltoma::ol {

// Reads CLUBSnn.Dat of the current competition into the club table buffer
// and converts its texts. Returns false, leaving the buffer as it was, when
// the file cannot be opened or read or is not exactly 41080 bytes; then
//   Fel vid läsning av "<file>" <text of the error number>
// is shown (message class 2), or only put into MessageLine when the file
// does not exist (a missing file shows no dialog).
bool ReadClubTable();

// Writes the club table buffer to CLUBSnn.Dat of the current competition.
// The table goes to a temporary file beside it first (made anew), which is
// forced to the disk and then renamed over the old file, the folder synced
// after; a symbolic link of either name is replaced, never followed. A
// failure or crash therefore leaves either the old or the new table, never
// a partial one. On failure the temporary file is removed and
//   Fel vid skrivning av "<file>" <text of the error number>
// is shown (message class 2). Returns success; false without a current
// competition.
bool WriteClubTable();

// Fills the club table with 0 and gives it the competition's organiser;
// resets the first three smallint of the work area, clears the participant
// buffer and entry 0 of the ordering table.
void ClearClubTable();

// Deletes CLUBSnn.Dat of competition n. Returns success (a missing file
// counts as deleted); the engine status tells the failure.
bool DeleteClubTableFile(int competition);

}  // namespace oltoma::ol
