#include "ol/data/maintenance/rebuild/rebuild_temp.h"

#include <filesystem>

#include "base/files/folder_entries.h"
#include "base/settings/settings_state.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/data_file_records.h"
#include "storage/file_primitives.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

bool Exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

bool IsTemporaryFileName(const std::string& name) {
    const std::string upper = UpperString(name);
    return upper == "FILETMP.DAT" || upper == "FILETMP.IX" || upper == "FILETMP.DIA";
}

}  // namespace

std::string LeftoverTemporaryFiles() {
    std::string found;
    std::error_code error;
    const std::string folder = Utf8FromWindows1252(WorkingGlobalSettings().dataDirectory.view());
    for (const auto& entry : FolderEntries(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (IsTemporaryFileName(name)) {
            found += (found.empty() ? "" : " ") + Windows1252FromUtf8(name);
        }
    }
    return found;
}

std::string LeftoverTemporaryRegister(int competition) {
    std::error_code error;
    const std::string folder = Utf8FromWindows1252(WorkingGlobalSettings().dataDirectory.view());
    for (const auto& entry : FolderEntries(folder, error)) {
        if (UpperString(entry.path().filename().string()) != "FILETMP.DAT") {
            continue;
        }
        storage::FileHandle file;
        std::int32_t recordLength = 0;
        ClearStorageStatus();
        if (!storage::OpenFile(file, entry.path().string(), true, false)) {
            return {};
        }
        storage::ReadAt(file, 12, sizeof recordLength, &recordLength);
        storage::CloseFile(file);
        ClearStorageStatus();
        const struct {
            std::string_view base;
            const IndexedFileFormat& format;
            bool perCompetition;
        } registers[] = {
            {kClubRegisterBase, ClubRegisterFormat(), false},
            {kDistrictRegisterBase, DistrictRegisterFormat(), false},
            {kRouteBase, RouteFileFormat(), false},
            {kRoute24Base, Route24FileFormat(), false},
            {kClassFileBase, ClassFileFormat(), true},
            {kParticipantFileBase, ParticipantFileFormat(), true},
            {kControlFileBase, ControlFileFormat(), true},
            {kCourseFileBase, CourseFileFormat(), true},
        };
        for (const auto& r : registers) {
            if (r.format.recordLength == recordLength) {
                return r.perCompetition ? CompetitionBaseName(r.base, competition)
                                        : std::string(r.base);
            }
        }
    }
    return {};
}

bool FlushFileBlockFiles(std::string_view base) {
    const storage::FileBlockNames names = storage::NamesOfFileBlock(DataFileName(base));
    ClearStorageStatus();
    for (const std::string& name : {names.data, names.index}) {
        if (!Exists(name)) {
            continue;
        }
        storage::FileHandle file;
        if (!storage::OpenFile(file, name, false, false)) {
            return false;
        }
        const bool flushed = storage::FlushFile(file);
        if (!storage::CloseFile(file) || !flushed) {
            return false;
        }
    }
    return true;
}

}  // namespace oltoma::ol
