// How an index rebuild becomes live all at once, and how an interrupted one
// is finished or undone.
//
// The rebuild writes every new file into the staging folder
// "indexbygge.tmp" inside the data directory and never touches a live file
// while it does. When every new file is complete and on the disk, the plan
// "indexbygge.plan" names them; then each is renamed over the live file of
// its name; then the plan is deleted and the staging folder removed.
//
// Plan file format (text, UTF-8, lines ending in "\n"):
//   line 1        "OLTOMA indexbygge 1"
//   line 2        "folder " + the data directory (file system name)
//   line 3        "competition " + the competition number (0 for none)
//   lines 4..     "file " + a file name in the staging folder that replaces
//                 the file of the same name in the data directory
//   last line     "check " + 8 hexadecimal digits: the FNV-1a hash (32
//                 bits) of every byte before this line
// The plan is written as "indexbygge.plan.tmp", synced, renamed to
// "indexbygge.plan" and the folder synced, so "indexbygge.plan" is complete
// whenever it exists.
//
// States of a data directory and their recovery (RecoverInterruptedRebuild):
//   no plan, no staging folder   nothing to do.
//   no plan, a staging folder    a rebuild stopped while building (or
//                                before its plan was in place): the live
//                                files are as before it; the staging folder
//                                (and any "indexbygge.plan.tmp") is removed.
//   a sound plan                 a rebuild stopped while switching: every
//                                file the plan names that is still in the
//                                staging folder is renamed over the live
//                                one, the folder synced, the plan deleted
//                                and the staging folder removed; every
//                                register is then rebuilt.
//   a damaged plan, or one of    refused with a message; nothing changes
//   another data directory       (the user must restore the folder from a
//                                backup or the plan's own directory).
#pragma once

#include <string>
#include <vector>

namespace oltoma::ol {

inline constexpr const char* kRebuildStagingFolder = "indexbygge.tmp";
inline constexpr const char* kRebuildPlanFile = "indexbygge.plan";

struct RebuildPlan {
    std::string folder;  // the data directory (file system name)
    int competition = 0;
    std::vector<std::string> files;  // names in the staging folder
};

// The staging folder of the current data directory (file system name).
std::string RebuildStagingFolder();
// The data directory as a plan names it (file system name).
std::string RebuildPlanFolder();

// Creates an empty staging folder (removing a leftover first). False with
// the engine status set.
bool MakeRebuildStagingFolder();

// Writes the plan as above. False with the engine status set.
bool WriteRebuildPlan(const RebuildPlan& plan);

// Renames the plan's files over the live ones, deletes the plan and removes
// the staging folder, syncing the folders. False with the engine status
// set; the plan then stays for the next recovery.
bool CarryOutRebuildPlan(const RebuildPlan& plan);

// Removes the staging folder and a leftover temporary plan. False with the
// engine status set.
bool RemoveRebuildStaging();

enum class RebuildRecovery {
    nothing,     // no interrupted rebuild
    rolledBack,  // an interrupted build was removed; registers as before
    completed,   // an interrupted switch was finished; registers rebuilt
    refused,     // a damaged or foreign plan, or a failure; nothing changed
};

// Finishes or undoes an interrupted rebuild of the current data directory
// as the states above say. `message` gets the text for the user (Windows-
// 1252): what was done, or why nothing was.
RebuildRecovery RecoverInterruptedRebuild(std::string& message);

}  // namespace oltoma::ol
