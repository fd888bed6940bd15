#include "process_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace oltoma::testing {
namespace {

std::string Slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ProcessRun RunCommand(const std::string& command) {
    const std::string redirected = "( " + command + " ) > run-out.txt 2> run-err.txt";
    const int status = std::system(redirected.c_str());
    return ProcessRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp("run-out.txt"),
                      Slurp("run-err.txt")};
}

std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace oltoma::testing
