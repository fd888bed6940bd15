// The usage text of oltoma-tool, made from the command table
// (tool_commands.h): the help of --help and help COMMAND, the short usage
// printed on errors and the command section of the manual page. Texts are
// wrapped to 79 columns.
#pragma once

#include <ostream>
#include <string_view>

#include "tool/tool_commands.h"

namespace oltoma::tool {

// "oltoma-tool 10.00", the project's version.
void WriteVersion(std::ostream& out);

// The whole help (--help, help): the forms of the command line and every
// command with its arguments, exit statuses and an example.
void WriteHelp(std::ostream& out);

// One command's help (help COMMAND, COMMAND --help).
void WriteCommandHelp(std::ostream& out, const ToolCommand& command);

// The short usage: the forms of the command line, one line per command and
// where the help is.
void WriteUsage(std::ostream& out);

// Writes "oltoma-tool: <problem>" and the short usage to standard error and
// returns kExitUsage.
int UsageError(std::string_view problem);

// Writes the usage line of command `name` and where its help is to standard
// error and returns kExitUsage: what a command does with bad arguments.
int CommandUsageError(std::string_view name);

// The commands as the manual page lists them, in scdoc markup: a name with
// its arguments, then an indented paragraph of its description, exit
// statuses and example.
void WriteManualCommands(std::ostream& out);

}  // namespace oltoma::tool
