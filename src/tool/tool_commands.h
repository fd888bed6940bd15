// The subcommands of oltoma-tool. Each takes the arguments after its name
// and returns the process exit status. The table of commands (name, usage
// text, function) is ToolCommands() in command_table.cpp: a new subcommand
// adds its function here and one entry there, and its help, the usage on
// errors and the manual page follow from that entry.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace oltoma::tool {

// Exit statuses shared by the subcommands.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the command could not do its work
inline constexpr int kExitUsage = 2;    // bad arguments or a malformed input line

// One subcommand and its usage text, written once for --help, help COMMAND,
// the usage printed on errors and the manual page. Texts are plain UTF-8
// sentences without markup; `description` may hold several sentences.
struct ToolCommand {
    const char* name;         // "backup"
    const char* arguments;    // "DIR COMPETITION TARGET"
    const char* summary;      // one line for the command list
    const char* description;  // what the arguments mean and what it does
    const char* exitSuccess;  // when the command exits 0
    const char* exitFailure;  // when it exits 1
    const char* exitUsage;    // when it exits 2
    const char* example;      // one command line, "oltoma-tool backup ..."
    int (*run)(std::span<const std::string> arguments);
};

// Every subcommand, in the order the help lists them.
std::span<const ToolCommand> ToolCommands();

// The command of this name; nullptr when there is none.
const ToolCommand* FindToolCommand(std::string_view name);

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

// list DIR REGISTER [COMPETITION]: every live record of a register as one
// JSON object a line, read-only; exit 1 when the register cannot be opened.
int RunListCommand(std::span<const std::string> arguments);
// Exchange files of a data directory DIR, COMPETITION 0..8 (0: none chosen);
// status texts and boxes on standard error; exit status 0 when the command
// ran, 1 when it could not (DIR, its files, the competition or a FILE
// missing; FILE not written), 2 on a usage error:
// import DIR COMPETITION FILE...: "&importera" of the files in the order the
// file chooser puts them (a file it would refuse is a usage error); the
// lines the import log prints go to standard output.
int RunImportCommand(std::span<const std::string> arguments);
// export DIR COMPETITION clubs FILE, export DIR COMPETITION participants
// FILE [--open]: the club export, the participant export or (--open) the
// export of the open classes into FILE, replaced without a question.
int RunExportCommand(std::span<const std::string> arguments);

// report DIR COMPETITION KIND [SELECTION...] --pdf FILE [--config CFG]
// [--setting N]: one report to a PDF file (report_command.cpp). Only in the
// Qt build (OLTOMA_TOOL_REPORT).
int RunReportCommand(std::span<const std::string> arguments);

}  // namespace oltoma::tool
