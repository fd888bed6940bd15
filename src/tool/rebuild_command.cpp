// oltoma-tool rebuild DIR COMPETITION: "indexbygg" on data directory DIR for
// the common registers and competition COMPETITION (0 for none).
#include <iostream>

#include "ol/data/files/file_groups.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {

int RunRebuildCommand(std::span<const std::string> arguments) {
    const MaintenanceArguments parsed = ParseMaintenanceArguments(arguments);
    const int competition = parsed.Takes(2) ? CompetitionArgument(parsed.positional[1]) : -1;
    if (competition < 0) {
        return CommandUsageError("rebuild");
    }
    MaintenanceSession session(parsed.positional[0], competition, parsed.yes);
    if (!session.Ready()) {
        return kExitFailure;
    }
    ol::OpenCommonFiles();
    return ol::RebuildFileSet(competition) == ol::MaintenanceResult::done ? kExitSuccess
                                                                          : kExitFailure;
}

}  // namespace oltoma::tool
