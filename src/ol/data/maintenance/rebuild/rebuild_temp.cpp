#include "ol/data/maintenance/rebuild/rebuild_temp.h"

#include <array>
#include <filesystem>

#include "base/files/folder_entries.h"
#include "base/settings/settings_state.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "platform/system_error.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

struct FileMove {
    std::string from;
    std::string to;
    bool required;
};

// Index, data file, journal: the order of the moves.
std::array<FileMove, 3> MovesOf(const storage::FileBlockNames& from,
                                const storage::FileBlockNames& to) {
    return {FileMove{from.index, to.index, false}, FileMove{from.data, to.data, true},
            FileMove{from.journal, to.journal, false}};
}

bool Exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

void FailWithSystemError(int systemError) {
    storage::ReportFileFailure(storage::FileOperation::kRename, systemError,
                               storage::IsamCode::kSystemError);
}

// Moves the files; on a failure moves back what it moved and keeps the
// failure's status.
bool MoveFiles(const storage::FileBlockNames& from, const storage::FileBlockNames& to) {
    ClearStorageStatus();
    const auto moves = MovesOf(from, to);
    for (const FileMove& move : moves) {
        if (Exists(move.to)) {
            FailWithSystemError(platform::SystemError::kFileExists);
            return false;
        }
    }
    std::size_t moved = 0;
    for (; moved < moves.size(); ++moved) {
        const FileMove& move = moves[moved];
        if (!move.required && !Exists(move.from)) {
            continue;
        }
        if (!storage::RenameFile(move.from, move.to)) {
            break;
        }
    }
    if (moved == moves.size()) {
        return true;
    }
    const int error = storage::IsamError();
    const int systemError = storage::IsamDosError();
    while (moved > 0) {
        --moved;
        if (Exists(moves[moved].to)) {
            storage::RenameFile(moves[moved].to, moves[moved].from);
        }
    }
    ClearStorageStatus();
    storage::ReportFileFailure(storage::FileOperation::kRename, systemError, error);
    return false;
}

storage::FileBlockNames NamesOf(std::string_view base) {
    return storage::NamesOfFileBlock(DataFileName(base));
}

bool IsTemporaryFileName(const std::string& name) {
    const std::string upper = UpperString(name);
    return upper == "FILETMP.DAT" || upper == "FILETMP.IX" || upper == "FILETMP.DIA";
}

}  // namespace

storage::FileBlockNames TemporaryFileNames() {
    return NamesOf(kRebuildTemporaryBase);
}

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

bool RenameToTemp(std::string_view base) {
    return MoveFiles(NamesOf(base), TemporaryFileNames());
}

bool RestoreFromTemp(std::string_view base) {
    return MoveFiles(TemporaryFileNames(), NamesOf(base));
}

bool DropTemp() {
    ClearStorageStatus();
    storage::DeleteFileBlock(DataFileName(kRebuildTemporaryBase));
    return storage::IsamSucceeded();
}

bool FlushFileBlockFiles(std::string_view base) {
    const storage::FileBlockNames names = NamesOf(base);
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
