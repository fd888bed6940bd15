// oltoma-tool check DIR: checks every fileblock of data directory DIR
// without changing it (ol/data/maintenance/file_set_check.h), the label and
// giro files among them, the files the set must hold and the references
// between them; prints each problem, then each notice ("notice: ...").
// Exit 1 when there is a problem; notices alone leave it 0.
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
    std::vector<std::string> notices;
    const std::vector<std::string> problems = ol::CheckFileSet(session.Folder(), others, &notices);
    for (const std::string& problem : problems) {
        std::cout << problem << '\n';
    }
    // Notices name what is allowed; they do not make the check fail.
    for (const std::string& notice : notices) {
        std::cout << "notice: " << notice << '\n';
    }
    if (problems.empty()) {
        std::cout << session.Folder() << ": no problems found\n";
    }
    std::cout.flush();
    return problems.empty() ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
