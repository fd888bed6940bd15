// oltoma-tool export DIR COMPETITION clubs FILE [--xml]
// oltoma-tool export DIR COMPETITION participants FILE [--open | --xml]
// oltoma-tool export DIR COMPETITION courses FILE --xml
// "klubbarna", "deltagarna", (--open) "deltagarna i öppna klasser" and
// "banorna" with FILE as the answer of their save dialog, --xml choosing its
// filter "IOF XML 3.0 (*.xml)": FILE is created or replaced without a
// question and holds exactly what the menu command writes. The menu's
// enabling conditions are not applied. Standard error carries every status
// text and box; standard output stays empty.
#include <iostream>
#include <string>
#include <vector>

#include "ol/exchange/club_export.h"
#include "ol/exchange/iof/course_data_export.h"
#include "ol/exchange/participant_export.h"
#include "platform/services.h"
#include "tool/exchange_session.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

// The save dialog answered with the file of the command line, and with the
// IOF XML filter for --xml.
class GivenFile final : public platform::FileDialogs {
public:
    GivenFile(std::string path, bool xml) : path_(std::move(path)), xml_(xml) {}
    platform::FileDialogAnswer Ask(platform::WindowHandle,
                                   const platform::FileDialogRequest&) override {
        return {true, path_, xml_ ? ol::kIofXmlFilter : ""};
    }

private:
    std::string path_;
    bool xml_;
};

struct ExportArguments {
    std::vector<std::string> positional;
    bool openClasses = false;
    bool xml = false;
    bool valid = true;
};

ExportArguments ParseExportArguments(std::span<const std::string> arguments) {
    ExportArguments parsed;
    for (const std::string& argument : arguments) {
        if (argument == "--open") {
            parsed.openClasses = true;
        } else if (argument == "--xml") {
            parsed.xml = true;
        } else if (argument.starts_with("--")) {
            parsed.valid = false;
        } else {
            parsed.positional.push_back(argument);
        }
    }
    if (!parsed.valid || parsed.positional.size() != 4 || (parsed.openClasses && parsed.xml)) {
        parsed.valid = false;
        return parsed;
    }
    const std::string& kind = parsed.positional[2];
    parsed.valid = kind == "participants" || (kind == "clubs" && !parsed.openClasses) ||
                   (kind == "courses" && parsed.xml);
    return parsed;
}

ol::ExportResult RunExport(const ExportArguments& parsed) {
    const std::string& kind = parsed.positional[2];
    if (kind == "clubs") {
        return ol::ExportClubs(0);
    }
    if (kind == "courses") {
        return ol::ExportCourses(0);
    }
    return ol::ExportParticipants(0, parsed.openClasses);
}

}  // namespace

int RunExportCommand(std::span<const std::string> arguments) {
    const ExportArguments parsed = ParseExportArguments(arguments);
    const int competition = parsed.valid ? CompetitionArgument(parsed.positional[1]) : -1;
    if (competition < 0) {
        return CommandUsageError("export");
    }
    MaintenanceSession session(parsed.positional[0], competition, false,
                               SessionMessages::standardError);
    if (!session.Ready()) {
        return kExitFailure;
    }
    std::string folder;
    std::string fileName;
    if (!ExchangePath(parsed.positional[3], folder, fileName) ||
        !OpenDataForExchange(competition)) {
        return kExitFailure;
    }
    GivenFile dialogs(folder + "/" + fileName, parsed.xml);
    platform::Services services = platform::BindServices({});
    const platform::Services previous = services;
    services.fileDialogs = &dialogs;
    platform::BindServices(services);
    const ol::ExportResult result = RunExport(parsed);
    platform::BindServices(previous);
    return result == ol::ExportResult::written ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
