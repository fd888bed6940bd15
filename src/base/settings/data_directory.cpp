#include "base/settings/data_directory.h"

#include <string>

#include "base/messages/messages.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "platform/folders.h"

namespace oltoma {
namespace {

// `folder` + "/" + `name`, or `name` alone when there is no folder.
std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

}  // namespace

void PrepareProgramFolders() {
    ConfigurationState& state = Configuration();
    const std::string program = Utf8FromWindows1252(ProgramName.view());

    const std::string appData = platform::RoamingAppDataFolder();
    const std::string configFolder = Join(appData, program);
    if (!appData.empty() && platform::CreateFolders(configFolder) != 0) {
        DisplayMessage(201, "kan inte skapa path \"" + Windows1252FromUtf8(appData) + "\" ");
    }
    state.fileName = Join(configFolder, program + ".P64");

    const std::string documents = platform::DocumentsFolder();
    const std::string programFolder = Join(documents, program);
    if (!documents.empty()) {
        platform::CreateFolders(programFolder + "/text");
        platform::CreateFolders(programFolder + "/data");
    }
    state.defaultDataDirectory = Windows1252FromUtf8(programFolder + "/data");
}

void EnterDataDirectory(TLongPathName& entry) {
    if (!entry.empty()) {
        const int error = platform::SetCurrentDirectory(Utf8FromWindows1252(entry.view()));
        if (error != 0) {
            SetMessageLine("Kan ej byta till biblioteket \"" + entry.str() + "\" " +
                           IntZeroPadded(error, 3));
        }
    }
    std::string current = Windows1252FromUtf8(platform::CurrentDirectory());
    if (current.size() > 1 && current.back() == '/') {
        current.pop_back();
    }
    entry = current;
    WorkingGlobalSettings().dataDirectory = current;
}

}  // namespace oltoma
