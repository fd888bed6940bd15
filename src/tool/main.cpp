// oltoma-tool: the command-line companion of the program. It dispatches to
// one subcommand per file through the command table (tool_commands.h).
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace {

using namespace oltoma::tool;

// help [COMMAND]
int Help(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        WriteHelp(std::cout);
        return kExitSuccess;
    }
    const ToolCommand* command = arguments.size() == 1 ? FindToolCommand(arguments[0]) : nullptr;
    if (command == nullptr) {
        return UsageError(arguments.size() == 1 ? "unknown command " + arguments[0]
                                                : std::string("help takes one command"));
    }
    WriteCommandHelp(std::cout, *command);
    return kExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return UsageError("no command given");
    }
    const std::string_view name = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (name == "--help" || name == "-h" || name == "help") {
        return Help(arguments);
    }
    if (name == "--version") {
        WriteVersion(std::cout);
        return kExitSuccess;
    }
    const ToolCommand* command = FindToolCommand(name);
    if (command == nullptr) {
        return UsageError(name.starts_with('-') ? "unknown option " + std::string(name)
                                                : "unknown command " + std::string(name));
    }
    if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
        WriteCommandHelp(std::cout, *command);
        return kExitSuccess;
    }
    const int status = command->run(arguments);
    std::cout.flush();
    return status;
}
