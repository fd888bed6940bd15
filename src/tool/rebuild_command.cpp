// oltoma-tool rebuild DIR COMPETITION [--discard-journal]: "indexbygg" on
// data directory DIR for the common registers and competition COMPETITION
// (0 for none). With --discard-journal a register whose journal cannot be
// played back is rebuilt from its data file, the journal moved aside as
// NAME.DIA.bad.
#include <iostream>

#include "ol/data/files/file_groups.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {

int RunRebuildCommand(std::span<const std::string> arguments) {
    const MaintenanceArguments parsed = ParseMaintenanceArguments(arguments, true);
    const int competition = parsed.Takes(2) ? CompetitionArgument(parsed.positional[1]) : -1;
    if (competition < 0) {
        return CommandUsageError("rebuild");
    }
    MaintenanceSession session(parsed.positional[0], competition, parsed.yes);
    if (!session.Ready()) {
        return kExitFailure;
    }
    ol::OpenCommonFiles();
    ol::RebuildRepairs repairs;
    repairs.discardJournal = parsed.discardJournal;
    if (ol::RebuildFileSet(competition, repairs) == ol::MaintenanceResult::done) {
        return kExitSuccess;
    }
    if (!parsed.discardJournal && !repairs.unplayableJournals.empty()) {
        const std::string& journal = repairs.unplayableJournals.front();
        std::cerr << "oltoma-tool: the journal " << journal
                  << " cannot be played back; 'oltoma-tool rebuild DIR N --discard-journal' "
                     "moves it aside as "
                  << journal << ".bad and rebuilds from the data file (the interrupted operation "
                  << "is lost)\n";
    }
    return kExitFailure;
}

}  // namespace oltoma::tool
