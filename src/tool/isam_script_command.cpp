#include <fstream>
#include <iostream>

#include "tool/isam_script.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

// Runs the script to its end or to its first malformed line.
int RunScript(std::istream& script, const std::string& scriptName) {
    IsamScript interpreter(std::cout);
    std::string line;
    for (long lineNumber = 1; std::getline(script, line); ++lineNumber) {
        std::string problem;
        if (!interpreter.RunLine(line, problem)) {
            std::cout.flush();
            std::cerr << "oltoma-tool: " << scriptName << ":" << lineNumber << ": " << problem
                      << '\n';
            return kExitUsage;
        }
    }
    std::cout.flush();
    return kExitSuccess;
}

}  // namespace

int RunIsamScriptCommand(std::span<const std::string> arguments) {
    if (arguments.size() != 1) {
        return CommandUsageError("isam-script");
    }
    const std::string& name = arguments[0];
    if (name == "-") {
        return RunScript(std::cin, "<stdin>");
    }
    std::ifstream script(name, std::ios::binary);
    if (!script) {
        std::cerr << "oltoma-tool: cannot read " << name << '\n';
        return kExitFailure;
    }
    return RunScript(script, name);
}

}  // namespace oltoma::tool
