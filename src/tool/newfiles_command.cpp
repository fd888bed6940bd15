// oltoma-tool newfiles DIR [--yes]: "skapa nya" on data directory DIR, made
// first when it does not exist.
#include <filesystem>
#include <iostream>

#include "ol/data/files/file_groups.h"
#include "ol/data/maintenance/new_files.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {

int RunNewFilesCommand(std::span<const std::string> arguments) {
    const MaintenanceArguments parsed = ParseMaintenanceArguments(arguments);
    if (!parsed.Takes(1)) {
        return CommandUsageError("newfiles");
    }
    const std::string& folder = parsed.positional[0];
    std::error_code error;
    if (!std::filesystem::exists(folder, error) &&
        !std::filesystem::create_directories(folder, error)) {
        std::cerr << "oltoma-tool: cannot create the folder " << folder << ": " << error.message()
                  << '\n';
        return kExitFailure;
    }
    MaintenanceSession session(folder, 0, parsed.yes);
    if (!session.Ready()) {
        return kExitFailure;
    }
    ol::OpenCommonFiles();
    const ol::MaintenanceResult result = ol::CreateNewFilesCommand();
    if (result == ol::MaintenanceResult::declined) {
        std::cerr << "oltoma-tool: the competition register holds competitions; "
                     "run with --yes to replace it\n";
    }
    return result == ol::MaintenanceResult::done ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
