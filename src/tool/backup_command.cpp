// oltoma-tool backup DIR COMPETITION TARGET: "säkerhetskopiera" of data
// directory DIR with competition COMPETITION (0: the common files only) into
// folder TARGET. A competition whose participant or definition files are
// missing is backed up with the files it has.
#include <filesystem>
#include <iostream>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/backup_copy.h"
#include "ol/data/maintenance/competition_register_check.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {

int RunBackupCommand(std::span<const std::string> arguments) {
    const MaintenanceArguments parsed = ParseMaintenanceArguments(arguments);
    const int competition = parsed.Takes(3) ? CompetitionArgument(parsed.positional[1]) : -1;
    if (competition < 0) {
        return CommandUsageError("backup");
    }
    MaintenanceSession session(parsed.positional[0], competition, parsed.yes);
    if (!session.Ready()) {
        return kExitFailure;
    }
    // A damaged competition register fails the copy itself, naming the
    // file, rather than hiding every competition it holds.
    const bool registerDamaged =
        ol::CheckCompetitionRegister().state == ol::CompetitionRegisterState::damaged;
    ol::OpenCommonFiles();
    if (competition != 0) {
        WorkingGlobalSettings().currentNumber = competition;
        ol::ReopenCompetition();
        // A competition whose own files are missing or damaged is still
        // backed up (what exists of it is copied); one the register does not
        // hold is refused.
        int found = competition;
        bool notFound = true;
        bool registerRead = false;
        if (!registerDamaged && !ol::Ol().ParticipantFilesOpen &&
            !ol::FindCompetition(1, {}, found, notFound, registerRead)) {
            std::cerr << "oltoma-tool: competition " << competition << " does not exist\n";
            return kExitFailure;
        }
        ol::Ol().CurrentCompetition = competition;
    }
    std::error_code error;
    const std::string target =
        std::filesystem::absolute(parsed.positional[2], error).lexically_normal().string();
    const ol::BackupFolderPrompt previous = ol::BindBackupFolderPrompt(
        [&target](std::string_view, std::string_view) { return Windows1252FromUtf8(target); });
    const ol::MaintenanceResult result = ol::BackupCopy();
    ol::BindBackupFolderPrompt(previous);
    return result == ol::MaintenanceResult::done ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
