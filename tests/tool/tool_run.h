// Runs oltoma-tool as a user runs it, in the test's own folder, and keeps
// what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace oltoma::tool::testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline ToolRun Tool(const std::string& arguments) {
    const std::string command =
        "'" OLTOMA_TOOL_PATH "' " + arguments + " > tool-out.txt 2> tool-err.txt";
    const int status = std::system(command.c_str());
    return ToolRun{WEXITSTATUS(status), Slurp("tool-out.txt"), Slurp("tool-err.txt")};
}

}  // namespace oltoma::tool::testing
