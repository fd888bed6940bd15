// oltoma-tool: the command-line companion of the program. It dispatches to
// one subcommand per file (tool_commands.h).
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tool/tool_commands.h"

namespace {

using oltoma::tool::ToolCommand;

constexpr ToolCommand kCommands[] = {
    {"isam-script", "SCRIPT", &oltoma::tool::RunIsamScriptCommand},
    {"newfiles", "DIR [--yes]", &oltoma::tool::RunNewFilesCommand},
    {"rebuild", "DIR COMPETITION", &oltoma::tool::RunRebuildCommand},
    {"backup", "DIR COMPETITION TARGET", &oltoma::tool::RunBackupCommand},
    {"check", "DIR", &oltoma::tool::RunCheckCommand},
#ifdef OLTOMA_TOOL_REPORT
    {"report", "DIR COMPETITION KIND [SELECTION...] --pdf FILE [--config CFG] [--setting N]",
     &oltoma::tool::RunReportCommand},
#endif
};

int Usage() {
    std::cerr << "usage:\n";
    for (const ToolCommand& command : kCommands) {
        std::cerr << "  oltoma-tool " << command.name << ' ' << command.usage << '\n';
    }
    return oltoma::tool::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string_view name = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const ToolCommand& command : kCommands) {
        if (name == command.name) {
            return command.run(arguments);
        }
    }
    std::cerr << "oltoma-tool: unknown command " << name << '\n';
    return Usage();
}
