#include "ol/data/maintenance/backup_manifest.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "ol/data/files/ol_state.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/backup_file_set.h"
#include "ol/data/maintenance/checked_text_file.h"
#include "ol/data/maintenance/fnv_checksum.h"
#include "storage/file_primitives.h"

namespace oltoma::ol {
namespace {

constexpr const char* kFirstLine = "OLTOMA kopia 1";

// Size and checksum of a file; false when it cannot be read.
bool Measure(const std::string& path, std::int64_t& bytes, std::uint32_t& checksum) {
    ClearStorageStatus();
    storage::FileHandle file;
    if (!storage::OpenFile(file, path, true, true) || !storage::FileSize(file, bytes)) {
        ClearStorageStatus();
        return false;
    }
    FnvChecksum sum;
    std::string block(32768, '\0');
    bool read = true;
    for (std::int64_t done = 0; done < bytes && read;) {
        const auto count = static_cast<std::size_t>(
            std::min<std::int64_t>(bytes - done, static_cast<std::int64_t>(block.size())));
        read = storage::ReadAt(file, done, count, block.data());
        sum.Add(std::string_view(block.data(), count));
        done += static_cast<std::int64_t>(count);
    }
    storage::CloseFile(file);
    ClearStorageStatus();
    checksum = sum.Value();
    return read;
}

}  // namespace

std::string ManifestTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool WriteBackupManifest(const std::string& folder, const BackupManifest& manifest) {
    std::string body = std::string(kFirstLine) + "\n";
    body += "time " + manifest.time + "\n";
    body += "competition " + std::to_string(manifest.competition) + "\n";
    for (const BackupManifest::File& file : manifest.files) {
        body += "file " + file.name + " " + std::to_string(file.bytes) + " " +
                FnvChecksum::Hex(file.checksum) + "\n";
    }
    return WriteCheckedTextFile(folder, kBackupManifestFile, body);
}

ManifestState ReadBackupManifest(const std::string& folder, BackupManifest& manifest) {
    std::string body;
    switch (ReadCheckedTextFile(folder + "/" + kBackupManifestFile, body)) {
        case CheckedTextState::absent:
            return ManifestState::absent;
        case CheckedTextState::damaged:
            return ManifestState::damaged;
        case CheckedTextState::read:
            break;
    }
    std::istringstream lines(body);
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine || !std::getline(lines, line) ||
        line.rfind("time ", 0) != 0) {
        return ManifestState::damaged;
    }
    manifest.time = line.substr(5);
    if (!std::getline(lines, line) || line.rfind("competition ", 0) != 0) {
        return ManifestState::damaged;
    }
    manifest.competition = std::atoi(line.c_str() + 12);
    if (manifest.competition < 0 || manifest.competition > kMaxCompetitions) {
        return ManifestState::damaged;
    }
    manifest.files.clear();
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string word;
        BackupManifest::File file;
        std::string checksum;
        if (!(fields >> word >> file.name >> file.bytes >> checksum) || word != "file" ||
            file.name.find('/') != std::string::npos) {
            return ManifestState::damaged;
        }
        file.checksum = static_cast<std::uint32_t>(std::strtoul(checksum.c_str(), nullptr, 16));
        manifest.files.push_back(file);
    }
    return ManifestState::read;
}

std::vector<std::string> ManifestDifferences(const std::string& folder,
                                             const BackupManifest& manifest) {
    std::vector<std::string> differences;
    for (const BackupManifest::File& file : manifest.files) {
        std::int64_t bytes = 0;
        std::uint32_t checksum = 0;
        if (!Measure(folder + "/" + file.name, bytes, checksum)) {
            differences.push_back(file.name +
                                  ": missing or unreadable, listed in the backup "
                                  "manifest of " +
                                  manifest.time);
        } else if (bytes != file.bytes || checksum != file.checksum) {
            differences.push_back(file.name + ": differs from the backup manifest of " +
                                  manifest.time + " (" + std::to_string(bytes) + " bytes, " +
                                  std::to_string(file.bytes) + " listed)");
        }
    }
    return differences;
}

std::vector<std::string> FilesLeftFromEarlierCopies(const std::string& folder,
                                                    const BackupManifest& manifest) {
    std::vector<std::string> leftovers;
    for (const BackupFile& file : BackupFileSet(manifest.competition)) {
        const bool listed = std::any_of(
            manifest.files.begin(), manifest.files.end(),
            [&file](const BackupManifest::File& entry) { return entry.name == file.name; });
        std::error_code error;
        if (!listed && std::filesystem::exists(
                           std::filesystem::symlink_status(folder + "/" + file.name, error))) {
            leftovers.push_back(file.name + ": not in the backup manifest of " + manifest.time +
                                "; left from an earlier copy");
        }
    }
    return leftovers;
}

std::vector<std::string> CopiesLeftByAnInterruptedBackup(const std::string& folder,
                                                         const BackupManifest& manifest) {
    std::vector<std::string> leftovers;
    for (const BackupFile& file : BackupFileSet(manifest.competition)) {
        const std::string temporary = file.name + kBackupTemporarySuffix;
        std::error_code error;
        if (std::filesystem::exists(
                std::filesystem::symlink_status(folder + "/" + temporary, error))) {
            leftovers.push_back(temporary +
                                ": a copy left by an interrupted backup (the manifest is of " +
                                manifest.time + ")");
        }
    }
    return leftovers;
}

std::vector<std::string> BackupManifestProblems(const std::string& folder) {
    BackupManifest manifest;
    switch (ReadBackupManifest(folder, manifest)) {
        case ManifestState::absent:
            return {};
        case ManifestState::damaged:
            return {std::string(kBackupManifestFile) + ": damaged; the backup cannot be verified"};
        case ManifestState::read:
            break;
    }
    std::vector<std::string> problems = ManifestDifferences(folder, manifest);
    for (const std::vector<std::string>& more :
         {FilesLeftFromEarlierCopies(folder, manifest),
          CopiesLeftByAnInterruptedBackup(folder, manifest)}) {
        problems.insert(problems.end(), more.begin(), more.end());
    }
    return problems;
}

}  // namespace oltoma::ol
