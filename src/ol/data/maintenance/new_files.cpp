#include "ol/data/maintenance/new_files.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "platform/system_error.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

constexpr int kFilesOpenCode = 16;
constexpr int kDestroyQuestionMessage = 504;

struct CommonRegister {
    std::string_view base;
    const IndexedFileFormat& (*format)();
};

// RUTB24 has the key of RUTBESKR; its own format says so.
constexpr CommonRegister kKeptRegisters[] = {
    {kClubRegisterBase, &ClubRegisterFormat},
    {kDistrictRegisterBase, &DistrictRegisterFormat},
    {kRouteBase, &RouteFileFormat},
    {kRoute24Base, &Route24FileFormat},
};

bool DataFileExists(std::string_view base) {
    std::error_code error;
    return std::filesystem::exists(storage::NamesOfFileBlock(DataFileName(base)).data, error);
}

// Keeps an existing register when it opens; reports one that does not.
bool CheckExisting(std::string_view base) {
    storage::FileBlock* handle = nullptr;
    if (OpenDataFile(handle, base)) {
        CloseDataFile(handle, base);
        return true;
    }
    ShowInformation(StorageFailureText(base) +
                    Windows1252FromUtf8(" - filen behålls; indexbygg kan reparera den."));
    return false;
}

}  // namespace

MaintenanceResult CreateNewFiles() {
    if (Ol().CommonFilesOpen) {
        ConfirmMessage(kFilesOpenCode);
        return MaintenanceResult::failed;
    }
    const std::string folder = Utf8FromWindows1252(WorkingGlobalSettings().dataDirectory.view());
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) {
        ShowInformation(
            Windows1252FromUtf8("Kan ej skapa nya filer: datakatalogen kan ej skrivas (") +
            msgtext(platform::SystemErrorFromErrno(errno)) + ").");
        return MaintenanceResult::failed;
    }
    bool complete = true;
    if (!CreateIndexedFile(kCompetitionRegisterBase, CompetitionRegisterFormat())) {
        ShowInformation(StorageFailureText(kCompetitionRegisterBase));
        complete = false;
    }
    for (const CommonRegister& reg : kKeptRegisters) {
        if (DataFileExists(reg.base)) {
            complete = CheckExisting(reg.base) && complete;
        } else if (!CreateIndexedFile(reg.base, reg.format())) {
            ShowInformation(StorageFailureText(reg.base));
            complete = false;
        }
    }
    const bool opened = OpenCommonFiles();
    ShowStatusLine(MessageLine.view());
    return complete && opened ? MaintenanceResult::done : MaintenanceResult::failed;
}

MaintenanceResult CreateNewFilesCommand() {
    OlState& ol = Ol();
    bool registerUnreadable = false;
    if (!ol.CommonFilesOpen) {
        // A register that exists but cannot be read may hold competitions.
        registerUnreadable =
            !RefreshCompetitionCounts() && DataFileExists(kCompetitionRegisterBase);
    }
    if ((ol.CompetitionsUsed > 0 || registerUnreadable) &&
        AskBeforeDestroying(msgtext(kDestroyQuestionMessage)) != platform::MessageResult::Yes) {
        return MaintenanceResult::declined;
    }
    CloseParticipantFiles();
    CloseCommonFiles();
    return CreateNewFiles();
}

}  // namespace oltoma::ol
