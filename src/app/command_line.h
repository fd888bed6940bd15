// The program's command line, read before anything else starts: --help and
// --version answer on standard output and end the program without touching
// the configuration file or the single-instance lock; an unknown option
// prints the usage on standard error and ends the program with exit status
// 2. Qt's own options (-platform, -style, -session, ...) and the "/NET"
// parameter pass through to the program.
#pragma once

#include <optional>
#include <ostream>

namespace oltoma {

inline constexpr int kCommandLineUsageExitCode = 2;

// Reads argv (without changing it). Returns the exit status when the
// program must end now, nothing when it starts.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& error);

// The help of --help (Swedish, UTF-8).
void WriteProgramHelp(std::ostream& out);

// "oltoma 10.00" and the build on a second line.
void WriteProgramVersion(std::ostream& out);

}  // namespace oltoma
