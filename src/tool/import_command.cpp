// oltoma-tool import DIR COMPETITION FILE...: "&importera" of the files, in
// the order the file chooser would hand them on. Standard output carries the
// lines the import log prints; standard error every status text and box.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "base/files/file_choice.h"
#include "base/text/windows1252.h"
#include "ol/exchange/import_command.h"
#include "platform/print/recording_printer.h"
#include "print/log_list.h"
#include "tool/exchange_session.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

void PrintLogLine(std::string_view line) {
    std::cout << Utf8FromWindows1252(line) << '\n';
}

// Whether the file is a regular file this process can read.
bool Readable(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

// The chooser's entries of the files, in its order. 1 when a file cannot be
// read, 2 when the chooser would refuse one; 0 otherwise.
int ChooseFiles(std::span<const std::string> files, FileChoiceList& list) {
    std::vector<std::pair<std::string, std::string>> paths;
    for (const std::string& file : files) {
        std::string folder;
        std::string name;
        if (!ExchangePath(file, folder, name)) {
            return kExitFailure;
        }
        if (!Readable(file)) {
            std::cerr << "oltoma-tool: " << file << " is no file that can be read\n";
            return kExitFailure;
        }
        paths.emplace_back(folder, name);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (list.Add(DescribeFile(paths[i].first, paths[i].second, kImportKeywordList)) < 0) {
            std::cerr << "endast en förekomst tillåten: " << files[i] << '\n';
            return kExitUsage;
        }
    }
    return kExitSuccess;
}

}  // namespace

int RunImportCommand(std::span<const std::string> arguments) {
    const bool option = std::any_of(arguments.begin(), arguments.end(),
                                    [](const std::string& a) { return a.starts_with("--"); });
    const int competition =
        arguments.size() >= 3 && !option ? CompetitionArgument(arguments[1]) : -1;
    if (competition < 0) {
        return CommandUsageError("import");
    }
    MaintenanceSession session(arguments[0], competition, false, SessionMessages::standardError);
    if (!session.Ready()) {
        return kExitFailure;
    }
    FileChoiceList list(kImportOnceOnlyCodes);
    const int chosen = ChooseFiles(arguments.subspan(2), list);
    if (chosen != kExitSuccess) {
        return chosen;
    }
    if (!OpenDataForExchange(competition)) {
        return kExitFailure;
    }
    platform::RecordingPrinter printer;
    platform::Printer* previousPrinter = platform::BindPrinter(&printer);
    const LogLineObserver previousObserver = BindLogLineObserver(&PrintLogLine);
    ol::ImportChosenFiles(0, list.entries());
    BindLogLineObserver(previousObserver);
    platform::BindPrinter(previousPrinter);
    std::cout.flush();
    return kExitSuccess;
}

}  // namespace oltoma::tool
