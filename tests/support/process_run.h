// Runs a program as a user runs it from a shell, for tests of the built
// executables (oltoma, oltoma-tool).
#pragma once

#include <string>
#include <string_view>

namespace oltoma::testing {

struct ProcessRun {
    int status = -1;  // the exit status; -1 when the process did not exit
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs `command` with /bin/sh in the current folder and returns what it
// wrote; the output passes through the files run-out.txt and run-err.txt
// there.
ProcessRun RunCommand(const std::string& command);

// `text` quoted for the shell.
std::string ShellQuoted(std::string_view text);

}  // namespace oltoma::testing
