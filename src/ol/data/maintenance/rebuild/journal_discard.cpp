#include "ol/data/maintenance/rebuild/journal_discard.h"

#include <filesystem>

#include "ol/data/files/storage_failure.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr int kMaxNumberedName = 99;

bool NameTaken(const std::string& name) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(name, error);
    return error ? error != std::errc::no_such_file_or_directory : std::filesystem::exists(status);
}

// The first free name for the moved journal; empty when there is none.
std::string FreeBadName(const std::string& journal) {
    const std::string bad = journal + ".bad";
    if (!NameTaken(bad)) {
        return bad;
    }
    for (int n = 1; n <= kMaxNumberedName; ++n) {
        const std::string numbered = bad + "." + std::to_string(n);
        if (!NameTaken(numbered)) {
            return numbered;
        }
    }
    return {};
}

}  // namespace

std::string DiscardJournal(const std::string& journal) {
    ClearStorageStatus();
    const std::string target = FreeBadName(journal);
    if (target.empty()) {
        storage::ReportFileFailure(storage::FileOperation::kRename,
                                   platform::SystemError::kFileExists,
                                   storage::IsamCode::kSystemError);
        return {};
    }
    if (!storage::RenameFile(journal, target) ||
        !storage::FlushDirectory(storage::FolderOfFile(journal))) {
        return {};
    }
    return target;
}

}  // namespace oltoma::ol
