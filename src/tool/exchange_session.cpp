#include "tool/exchange_session.h"

#include <filesystem>
#include <iostream>

#include "base/text/windows1252.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/main_window_support.h"
#include "ol/data/files/ol_state.h"

namespace oltoma::tool {

bool OpenDataForExchange(int competition) {
    if (!ol::OpenCommonFiles()) {
        std::cerr << "oltoma-tool: the data files cannot be opened\n";
        return false;
    }
    if (competition == 0) {
        return true;
    }
    ol::ChooseCompetition(competition);
    if (ol::Ol().CurrentCompetition != competition || !ol::Ol().ParticipantFilesOpen) {
        std::cerr << "oltoma-tool: competition " << competition << " does not exist\n";
        return false;
    }
    return true;
}

bool ExchangePath(const std::string& argument, std::string& folder, std::string& fileName) {
    std::error_code error;
    const std::filesystem::path path =
        std::filesystem::absolute(argument, error).lexically_normal();
    const std::string parent = path.parent_path().string();
    const std::string name = path.filename().string();
    folder = Windows1252FromUtf8(parent);
    fileName = Windows1252FromUtf8(name);
    if (error || name.empty() || Utf8FromWindows1252(folder) != parent ||
        Utf8FromWindows1252(fileName) != name) {
        std::cerr << "oltoma-tool: the file name " << argument << " cannot be used\n";
        return false;
    }
    return true;
}

}  // namespace oltoma::tool
