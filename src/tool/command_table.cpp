// The table of oltoma-tool's subcommands: one entry per command, from which
// the dispatcher, --help, help COMMAND, the usage on errors and the manual
// page are made.
#include <algorithm>

#include "tool/tool_commands.h"

namespace oltoma::tool {
namespace {

constexpr ToolCommand kCommands[] = {
    {
        .name = "isam-script",
        .arguments = "SCRIPT",
        .summary = "Run storage operations from a script, one per line.",
        .description =
            "Runs the operations of SCRIPT (a file, or - for standard input) on the storage "
            "engine in the current folder, one per line: init, exit, create, open, close, "
            "delete, addrec, getrec, putrec, deleterec, filelen, usedrecs, addkey, deletekey, "
            "findkey, searchkey, nextkey and clearkey. Each line prints \"ok\" with its result "
            "or \"err\" with the engine's error code. Blank lines and lines starting with # "
            "are skipped.",
        .exitSuccess = "every line ran (operations may have printed \"err\")",
        .exitFailure = "SCRIPT cannot be read",
        .exitUsage = "bad arguments, or a malformed line (nothing after it runs)",
        .example =
            "printf 'init 0 200\\ncreate CLUB 100 1 20,0\\nexit\\n' | oltoma-tool isam-script -",
        .run = &RunIsamScriptCommand,
    },
    {
        .name = "newfiles",
        .arguments = "DIR [--yes]",
        .summary = "Create a new, empty set of data files in DIR (\"skapa nya\").",
        .description =
            "Creates the common data files in the data directory DIR, and DIR itself when it "
            "does not exist. When the competition register there holds competitions, they "
            "would be destroyed: the command asks, and only --yes answers yes.",
        .exitSuccess = "the files were created",
        .exitFailure = "DIR cannot be created, is not a folder or its files are in use, the "
                       "question was answered no, or a file could not be created",
        .exitUsage = "bad arguments",
        .example = "oltoma-tool newfiles ~/Documents/OltomaW64/data --yes",
        .run = &RunNewFilesCommand,
    },
    {
        .name = "rebuild",
        .arguments = "DIR COMPETITION [--discard-journal]",
        .summary = "Rebuild every index of the data files in DIR (\"indexbygg\").",
        .description =
            "Rebuilds the indexes of the common registers in data directory DIR and, when "
            "COMPETITION is 1 to 8, of that competition's files, renumbering clubs and "
            "classes and recounting participants. COMPETITION 0 rebuilds the common "
            "registers only. A data file written without closing is rebuilt from every "
            "whole record it holds, and the difference from its header is reported. A "
            "register whose repair journal cannot be played back stops the rebuild; with "
            "--discard-journal that journal is moved aside as NAME.DIA.bad (never deleted "
            "nor replaced: when that name is taken, NAME.DIA.bad.1 and so on) and the "
            "register is rebuilt from its data file; the interrupted operation is lost.",
        .exitSuccess = "every index was rebuilt",
        .exitFailure = "DIR is not a folder or its files are in use, the competition register "
                       "is damaged, the competition does not exist, a journal cannot be played "
                       "back, or the rebuild failed",
        .exitUsage = "bad arguments, or COMPETITION is not 0 to 8",
        .example = "oltoma-tool rebuild ~/Documents/OltomaW64/data 1",
        .run = &RunRebuildCommand,
    },
    {
        .name = "backup",
        .arguments = "DIR COMPETITION TARGET",
        .summary = "Copy the data files of DIR into folder TARGET (\"säkerhetskopiera\").",
        .description =
            "Copies the common files of data directory DIR and, when COMPETITION is 1 to 8, "
            "that competition's files into folder TARGET. The files replace those in TARGET "
            "only when every copy is complete, so a failed copy leaves an earlier backup as "
            "it was.",
        .exitSuccess = "every file was copied",
        .exitFailure = "DIR is not a folder or its files are in use, the competition register "
                       "is damaged, the competition does not exist, or a copy failed",
        .exitUsage = "bad arguments, or COMPETITION is not 0 to 8",
        .example = "oltoma-tool backup ~/Documents/OltomaW64/data 1 /media/usb/backup",
        .run = &RunBackupCommand,
    },
    {
        .name = "check",
        .arguments = "DIR",
        .summary = "Check the data files in DIR without changing them.",
        .description =
            "Opens every data file in data directory DIR read-only and checks its structure, "
            "its record length and that every index entry matches a live record. Checks that "
            "the common files and the files of every competition are there (in a backup copy: "
            "those of its competition, matching its manifest), that participants name live "
            "clubs and classes, that the entry counts of the club table, the classes and the "
            "competition agree with a recount, and reports a data file left with its modified "
            "marker set. Prints one line per problem, or that none was found, then notices "
            "(\"notice: \": a course's control code without a control, a control use count "
            "that differs from the courses until the next index rebuild, participants without "
            "a club or class), which do not fail the check.",
        .exitSuccess = "no problem was found",
        .exitFailure = "DIR is not a folder or its files are in use, or a problem was found",
        .exitUsage = "bad arguments",
        .example = "oltoma-tool check ~/Documents/OltomaW64/data",
        .run = &RunCheckCommand,
    },
    {
        .name = "list",
        .arguments = "DIR REGISTER [COMPETITION]",
        .summary = "Print every record of a register in DIR as JSON Lines.",
        .description =
            "Prints every live record of REGISTER in data directory DIR as one JSON object "
            "a line, its fields under the names of the record layout, texts in UTF-8: in the "
            "order of the register's first index, then any live record the index does not "
            "reach. REGISTER is clubs, districts, competitions, routes or routes24, or, with "
            "COMPETITION 1 to 8, controls, courses, classes or participants. The files are "
            "only read; a register whose journal is pending, whose files another program "
            "holds or whose record length is not its layout's is refused.",
        .exitSuccess = "every record was printed (none for an empty register)",
        .exitFailure = "DIR is not a folder, the register cannot be opened or read, or it "
                       "was refused",
        .exitUsage = "bad arguments, an unknown REGISTER, or COMPETITION missing, not wanted "
                     "or not 1 to 8",
        .example = "oltoma-tool list ~/Documents/OltomaW64/data courses 1",
        .run = &RunListCommand,
    },
    {
        .name = "import",
        .arguments = "DIR COMPETITION FILE...",
        .summary = "Import exchange files into DIR as \"importera\" does.",
        .description =
            "Imports the exchange files FILE (controls, courses, route description symbols and "
            "the other sections of the import format, or IOF XML 3.0 CourseData documents "
            "with controls, courses and class courses) into data directory DIR, in the order "
            "the program's file chooser puts them, and prints the import log the program "
            "prints, one line each. COMPETITION 1 to 8 is chosen first; 0 chooses none, so "
            "that only the shared registers (the symbol library) can be imported. Status "
            "texts and messages go to standard error.",
        .exitSuccess = "every FILE was imported, whatever it held",
        .exitFailure = "DIR is not a folder or its files are in use or missing, the "
                       "competition does not exist, or a FILE cannot be read",
        .exitUsage = "bad arguments, COMPETITION is not 0 to 8, or the file chooser would "
                     "refuse a FILE (a second file of a kind that may occur once)",
        .example = "oltoma-tool import ~/Documents/OltomaW64/data 1 kontroller.txt banor.txt",
        .run = &RunImportCommand,
    },
    {
        .name = "export",
        .arguments = "DIR COMPETITION clubs|participants|courses FILE [--open | --xml]",
        .summary = "Export clubs, participants or courses of DIR into FILE as \"exportera\" "
                   "does.",
        .description =
            "Writes the club register (clubs), the participants of COMPETITION "
            "(participants; with --open the entries of the open classes) or its controls, "
            "courses and class courses (courses, only with --xml) of data directory DIR into "
            "FILE, exactly as the menu command writes the file chosen in its save dialog: an "
            "exchange file, or with --xml the dialog's filter \"IOF XML 3.0 (*.xml)\" and an "
            "IOF XML 3.0 OrganisationList, EntryList or CourseData. FILE is created or "
            "replaced without a question. COMPETITION 0 chooses none. Status texts and "
            "messages go to standard error.",
        .exitSuccess = "every line was written and FILE closed",
        .exitFailure = "DIR is not a folder or its files are in use or missing, the "
                       "competition does not exist, the export was refused (a relay's "
                       "participants as IOF XML, courses without a competition), or FILE could "
                       "not be created, written or closed",
        .exitUsage = "bad arguments, COMPETITION is not 0 to 8, an unknown kind or option, "
                     "--open with clubs or with --xml, or courses without --xml",
        .example = "oltoma-tool export ~/Documents/OltomaW64/data 1 participants deltagare.ol",
        .run = &RunExportCommand,
    },
#ifdef OLTOMA_TOOL_REPORT
    {
        .name = "report",
        .arguments = "DIR COMPETITION KIND [SELECTION...] --pdf FILE [OPTION...]",
        .summary = "Print one report of DIR to the PDF file FILE.",
        .description =
            "Prints a report of data directory DIR to FILE without a window, as its menu entry "
            "prints it to a PDF file. KIND is controls (\"kontroller\"), course-class (\"banor "
            "klass\"), code-course-class (\"kodbanaklass\"), courses (\"banor\"), route-data "
            "(\"data och sökord\"), route-catalogue (\"sammanställning\"), route-form "
            "(\"blankett\") or class-list (\"klasslista\"). The SELECTION arguments name the "
            "records to print by their keys (control codes, class or course designations, "
            "route description keys), in any case; without them every record is printed. "
            "COMPETITION is 1 to 8, or 0 for the route kinds. The page is that of print "
            "setting 1 without a printer (A4 portrait, 600 dpi, 5 mm border); the options "
            "--config CFG and --setting N take print setting N (1 to 10, default its current "
            "one) of the configuration file CFG instead, which is only read. "
            "FILE gets .pdf when its name lacks it; an existing FILE is replaced only when "
            "the new one is complete.",
        .exitSuccess = "FILE was written",
        .exitFailure = "DIR is not a folder or its files are in use, the competition or the "
                       "files cannot be opened, the register is empty, a SELECTION names no "
                       "record, CFG cannot be read, or FILE cannot be written",
        .exitUsage = "bad arguments, an unknown KIND, no --pdf, COMPETITION or N out of range",
        .example =
            "oltoma-tool report ~/Documents/OltomaW64/data 1 controls 31 32 --pdf kontroller.pdf",
        .run = &RunReportCommand,
    },
#endif
};

}  // namespace

std::span<const ToolCommand> ToolCommands() {
    return kCommands;
}

const ToolCommand* FindToolCommand(std::string_view name) {
    const auto found =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [name](const ToolCommand& command) { return command.name == name; });
    return found != std::end(kCommands) ? &*found : nullptr;
}

}  // namespace oltoma::tool
