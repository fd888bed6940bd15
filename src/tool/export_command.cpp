// oltoma-tool export DIR COMPETITION clubs FILE
// oltoma-tool export DIR COMPETITION participants FILE [--open]
// "klubbarna", "deltagarna" and (--open) "deltagarna i öppna klasser" with
// FILE as the answer of their save dialog: FILE is created or replaced
// without a question and holds exactly what the menu command writes. The
// menu's enabling conditions are not applied. Standard error carries every
// status text and box; standard output stays empty.
#include <iostream>
#include <string>
#include <vector>

#include "ol/exchange/club_export.h"
#include "ol/exchange/participant_export.h"
#include "platform/services.h"
#include "tool/exchange_session.h"
#include "tool/maintenance_session.h"
#include "tool/tool_commands.h"
#include "tool/usage_text.h"

namespace oltoma::tool {
namespace {

// The save dialog answered with the file of the command line.
class GivenFile final : public platform::FileDialogs {
public:
    explicit GivenFile(std::string path) : path_(std::move(path)) {}
    platform::FileDialogAnswer Ask(platform::WindowHandle,
                                   const platform::FileDialogRequest&) override {
        return {true, path_, {}};
    }

private:
    std::string path_;
};

struct ExportArguments {
    std::vector<std::string> positional;
    bool openClasses = false;
    bool valid = true;
};

ExportArguments ParseExportArguments(std::span<const std::string> arguments) {
    ExportArguments parsed;
    for (const std::string& argument : arguments) {
        if (argument == "--open") {
            parsed.openClasses = true;
        } else if (argument.starts_with("--")) {
            parsed.valid = false;
        } else {
            parsed.positional.push_back(argument);
        }
    }
    parsed.valid = parsed.valid && parsed.positional.size() == 4 &&
                   (parsed.positional[2] == "participants" ||
                    (parsed.positional[2] == "clubs" && !parsed.openClasses));
    return parsed;
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
    GivenFile dialogs(folder + "/" + fileName);
    platform::Services services = platform::BindServices({});
    const platform::Services previous = services;
    services.fileDialogs = &dialogs;
    platform::BindServices(services);
    const ol::ExportResult result = parsed.positional[2] == "clubs"
                                        ? ol::ExportClubs(0)
                                        : ol::ExportParticipants(0, parsed.openClasses);
    platform::BindServices(previous);
    return result == ol::ExportResult::written ? kExitSuccess : kExitFailure;
}

}  // namespace oltoma::tool
