// oltoma-tool check DIR: checks every fileblock of data directory DIR
// without changing it (ol/data/maintenance/file_set_check.h), the label and
// giro files among them; prints each problem.
#include <iostream>

#include "labels/register_checks.h"
#include "ol/data/maintenance/file_set_check.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {

int RunCheckCommand(std::span<const std::string> arguments) {
    const MaintenanceArguments parsed = ParseMaintenanceArguments(arguments);
    if (!parsed.Takes(1)) {
        return CommandUsageError("check");
    }
    MaintenanceSession session(parsed.positional[0], 0, false);
    if (!session.Ready()) {
        return kExitFailure;
    }
    const std::vector<ol::CheckedRegister> others = labels::LabelAndGiroRegisters();
    const std::vector<std::string> problems = ol::CheckFileSet(session.Folder(), others);
    for (const std::string& problem : problems) {
        std::cout << problem << '\n';
    }
    if (problems.empty()) {
        std::cout << session.Folder() << ": no problems found\n";
    }
    std::cout.flush();
    return problems.empty() ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
