#include "ol/data/maintenance/checked_text_file.h"

#include <algorithm>
#include <filesystem>

#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/fnv_checksum.h"
#include "storage/file_primitives.h"

namespace oltoma::ol {
namespace {

constexpr std::int64_t kLongestFile = 1 << 20;
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string CheckLine(std::string_view body) {
    FnvChecksum checksum;
    checksum.Add(body);
    return "check " + checksum.Hex() + "\n";
}

bool Exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

}  // namespace

bool WriteCheckedTextFile(const std::string& folder, const std::string& name,
                          const std::string& body) {
    ClearStorageStatus();
    const std::string text = body + CheckLine(body);
    const std::string temporary = folder + "/" + name + std::string(kTemporarySuffix);
    storage::FileHandle file;
    if ((Exists(temporary) && !storage::DeleteFile(temporary)) ||
        !storage::CreateNewFile(file, temporary)) {
        return false;
    }
    const bool written =
        storage::WriteAt(file, 0, text.size(), text.data()) && storage::FlushFile(file);
    if (!storage::CloseFile(file) || !written) {
        storage::DeleteFile(temporary);
        return false;
    }
    return storage::RenameFile(temporary, folder + "/" + name) && storage::FlushDirectory(folder);
}

CheckedTextState ReadCheckedTextFile(const std::string& path, std::string& body) {
    if (!Exists(path)) {
        return CheckedTextState::absent;
    }
    ClearStorageStatus();
    storage::FileHandle file;
    std::int64_t size = 0;
    if (!storage::OpenFile(file, path, true, false) || !storage::FileSize(file, size)) {
        return CheckedTextState::damaged;
    }
    std::string text(static_cast<std::size_t>(std::min(size, kLongestFile)), '\0');
    const bool read = storage::ReadAt(file, 0, text.size(), text.data());
    storage::CloseFile(file);
    ClearStorageStatus();
    const std::string::size_type checkAt = text.rfind("check ");
    if (!read || checkAt == std::string::npos ||
        text.substr(checkAt) != CheckLine(text.substr(0, checkAt))) {
        return CheckedTextState::damaged;
    }
    body = text.substr(0, checkAt);
    return CheckedTextState::read;
}

}  // namespace oltoma::ol
