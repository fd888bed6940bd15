// The file groups of the data directory and their life cycle:
//
//   common files       OLTOMA (read for its counts, then closed again),
//                      CLUBAR, DISTR and the route description file; open
//                      from OpenCommonFiles (start, new data directory) to
//                      CloseCommonFiles
//   participant files  KLASSnn, OLnn, TRACKnn and the club table of the
//                      current competition; open whenever a competition is
//                      current
//   definition files   KLASSnn, KONTRnn, TRACKnn and the club table; open
//                      only around a definition command
//
// A group's flag (Ol().CommonFilesOpen and so on) is true exactly while all
// its files are open; a group that cannot be opened completely closes what
// it opened. A missing file shows no dialog: the flag stays false and the
// main window's status text says what is missing.
#pragma once

namespace oltoma::ol {

// Opens the common files (closing any open groups first). Reads
// CompetitionSlots and CompetitionsUsed from the register (both 0 when it
// cannot be opened). MessageLine gets message 325 "Filerna öppna...." when
// the group opened, else message 324 "Datafiler saknas/ ej i aktuellt
// bibliotek" (or the storage failure when a file exists but failed to
// open). Then the competition buffer is cleared (no current competition)
// and the club buffer too. Returns CommonFilesOpen.
bool OpenCommonFiles();

// Closes the competition's groups if open, then the common files; message
// 326 "Filerna stängda.." in MessageLine when they were open.
void CloseCommonFiles();

// Opens the participant files of the current competition when the common
// files are open and a competition is current (closing the definition files
// first); on success the current number of GlobalSettings becomes the
// current competition. Clears the participant, class and course buffers.
// Returns ParticipantFilesOpen.
bool OpenParticipantFiles();

// When open: writes the competition record back to the register, closes the
// files and writes the club table.
void CloseParticipantFiles();

// Opens the definition files of the current competition (closing the
// participant files first) and clears the class, control and course
// buffers. Returns DefinitionFilesOpen.
bool OpenDefinitionFiles();

// When open: closes the files and writes the club table.
void CloseDefinitionFiles();

// Creates the files of the current competition (new competition): KLASSnn,
// a cleared club table CLUBSnn.Dat, OLnn, TRACKnn and KONTRnn, then opens
// the participant files. Needs the common files open and neither
// competition group open. A failure is reported in MessageLine and the
// files made so far are deleted again. Returns whether the participant
// files are open.
bool CreateCompetitionFiles();

// Creates empty common files in the data directory (OLTOMA, CLUBAR, DISTR,
// RUTB24 and RUTBESKR), replacing any there; the common files must be
// closed. For the command that makes a fresh file set. A failure is
// reported in MessageLine. Returns success.
bool CreateCommonFiles();

}  // namespace oltoma::ol
