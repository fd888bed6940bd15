// What the index rebuild checks before it moves any file. A rebuild that
// would stop half way leaves registers that refer to each other by record
// number out of step, so everything it needs is checked first, and any
// failure refuses the whole rebuild with nothing changed:
//
//   - the data directory can be written (files are moved and made there);
//   - no file of the temporary fileblock "filetmp" is left in the data
//     directory (an interrupted rebuild of an earlier version may have left
//     the only copy of a register's records there; the refusal names the
//     register);
//   - every register's data file is present (the two route description
//     files only when they exist), not held open by another program, and
//     readable with the record length of its register; a pending journal
//     is played back;
//   - limits counted in slots: at most 900 club slots, 80 class slots and
//     512 control slots (the renumbering and counting tables), 32767
//     participant and route description slots (their own numbers are
//     smallints), and no more than 100 live districts (the district add
//     refuses more);
//   - with a competition: the competition exists and its club table can be
//     read (both are loaded into their buffers);
//   - the disk holds room for the largest register twice over.
#pragma once

#include <string>

namespace oltoma::ol {

// Runs the checks for the common registers and, when competition is not 0,
// its files. Returns the refusal text (Windows-1252; "Kan ej indexbygga: "
// and the reason), empty when the rebuild may go ahead. Needs every file
// group closed.
std::string CheckRebuildPreconditions(int competition);

}  // namespace oltoma::ol
