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
//   - the competition register OLTOMA is sound (competition_register_
//     check.h), or absent when no competition is rebuilt;
//   - every register's data file is present (the two route description
//     files only when they exist), not held open by another program, and
//     readable with the record length of its register; a pending journal
//     is played back (one that cannot be, engine status 10180, refuses the
//     rebuild unless it is to be discarded);
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
#include <vector>

namespace oltoma::ol {

struct RebuildPreconditions {
    // Windows-1252; "Kan ej indexbygga: " and the reason; empty when the
    // rebuild may go ahead.
    std::string refusal;
    // The journals (file system names) that cannot be played back, in the
    // order met; without discardJournal the first of them refused.
    std::vector<std::string> unplayableJournals;
};

// Runs the checks for the common registers and, when competition is not 0,
// its files. With discardJournal a journal that cannot be played back does
// not refuse the rebuild; it is only listed. Needs every file group closed.
RebuildPreconditions CheckRebuildPreconditions(int competition, bool discardJournal);

}  // namespace oltoma::ol
