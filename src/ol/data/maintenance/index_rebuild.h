// The index rebuild ("indexbygg"): rewrites every fileblock of the file set
// from its live records, which drops deleted records, numbers the live ones
// 1, 2, 3, ... in their old order, rebuilds all keys and recomputes the
// counters the competition keeps about its clubs, classes and controls.
//
// Order: CLUBAR, DISTR, RUTBESKR, RUTB24, then for the competition KLASSnn,
// OLnn, KONTRnn, TRACKnn and its club table CLUBSnn.Dat (see
// rebuild_registers.h and rebuild_participants.h for what each does). The
// competition register OLTOMA keeps its numbering: a competition's number is
// its record number.
#pragma once

#include <string>
#include <vector>

#include "ol/data/maintenance/maintenance_result.h"

namespace oltoma::ol {

// At program start, before the common files are opened: finishes or undoes
// an index rebuild that was interrupted in the current data directory
// (rebuild_plan.h). Returns the text for the message line (Windows-1252),
// empty when there was none.
std::string RecoverIndexRebuildAtStart();

// The command: without open common files, ConfirmMessage(39) ("Databas ej
// vald/ datafiler saknas!") and nothing more. Otherwise rebuilds the common
// registers and, when the participant files are open, the current
// competition's files (RebuildFileSet).
MaintenanceResult RebuildIndexes();

// The rebuild of the common registers and of competition `competition`'s
// files (0: none; then MessageLine gets message 522 after the common
// registers). Opens a progress window "indexbygger" (two lines), closes
// every file group, checks everything the rebuild needs
// (rebuild_checks.h) and, when a check fails, refuses with an information
// box and changes nothing. At the end opens the common files and the
// competition again and closes the progress window. Returns done when every
// register was rebuilt. Does not need the common files open, so that
// support staff can rebuild a file set whose indexes cannot be opened.
MaintenanceResult RebuildFileSet(int competition);

// What a rebuild may repair besides the indexes, and what it met.
struct RebuildRepairs {
    // A register whose journal cannot be played back (10180) is rebuilt
    // from its data file after the journal is moved aside
    // (rebuild/journal_discard.h); the status line says so and that the
    // interrupted operation is lost. Without it such a register refuses
    // the rebuild.
    bool discardJournal = false;
    // Filled by the rebuild: the journals that could not be played back
    // (names without folder, e.g. "OL01.DIA").
    std::vector<std::string> unplayableJournals;
};

// RebuildFileSet with the repairs asked for.
MaintenanceResult RebuildFileSet(int competition, RebuildRepairs& repairs);

}  // namespace oltoma::ol
