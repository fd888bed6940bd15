// The data layer on fresh common files in a folder of its own, for the
// forms' tests: StartDataLayer in init(), StopDataLayer in cleanup().
#pragma once

#include <filesystem>
#include <string>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"

namespace oltoma::ol::testing {

inline std::filesystem::path StartDataLayer(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::current_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder.string());
    settings.currentNumbers[kOltomaApplicationKind] = 0;
    settings.routeDescriptionFormat = 1;
    OlStartup({});
    CreateCommonFiles();
    OpenCommonFiles();
    return folder;
}

inline void StopDataLayer() {
    CloseCommonFiles();
    OlShutdown();
}

// A competition with its files, current and open, as the dialog leaves it.
inline int NewCompetition(std::string_view name) {
    CloseParticipantFiles();
    ClearInfoRec(Ol().competition.rec);
    Ol().competition.rec.Tvl = Windows1252FromUtf8(name);
    int n = 0;
    return SaveCompetition(true, n) && CreateCompetitionFiles() ? n : 0;
}

}  // namespace oltoma::ol::testing
