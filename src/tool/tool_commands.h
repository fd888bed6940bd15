// The subcommands of oltoma-tool. Each takes the arguments after its name
// and returns the process exit status.
#pragma once

#include <span>
#include <string>

namespace oltoma::tool {

struct ToolCommand {
    const char* name;
    const char* usage;  // the arguments, for the usage text
    int (*run)(std::span<const std::string> arguments);
};

// Exit statuses shared by the subcommands.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the command could not do its work
inline constexpr int kExitUsage = 2;    // bad arguments or a malformed input line

// isam-script SCRIPT: runs an isam script (a file, or - for standard input).
int RunIsamScriptCommand(std::span<const std::string> arguments);

// Maintenance of a data directory DIR (messages to standard output; a
// question is answered yes only with --yes; exit status 1 on failure):
// newfiles DIR [--yes]: "skapa nya".
int RunNewFilesCommand(std::span<const std::string> arguments);
// rebuild DIR COMPETITION: "indexbygg" (COMPETITION 0 for none).
int RunRebuildCommand(std::span<const std::string> arguments);
// backup DIR COMPETITION TARGET: "säkerhetskopiera" into folder TARGET.
int RunBackupCommand(std::span<const std::string> arguments);
// check DIR: read-only check of every fileblock and its keys; exit 1 when
// any problem is found.
int RunCheckCommand(std::span<const std::string> arguments);

// report DIR COMPETITION KIND [SELECTION...] --pdf FILE [--config CFG]
// [--setting N]: one report to a PDF file (report_command.cpp). Only in the
// Qt build (OLTOMA_TOOL_REPORT).
int RunReportCommand(std::span<const std::string> arguments);

}  // namespace oltoma::tool
