#include "ol/data/maintenance/rebuild/rebuild_plan.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr const char* kFirstLine = "OLTOMA indexbygge 1";
constexpr const char* kTemporaryPlanFile = "indexbygge.plan.tmp";
constexpr std::int64_t kLongestPlan = 64 * 1024;

std::uint32_t Fnv1a(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

std::string CheckLine(std::string_view body) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08x", Fnv1a(body));
    return std::string("check ") + hex + "\n";
}

std::string PlanText(const RebuildPlan& plan) {
    std::string body = std::string(kFirstLine) + "\n";
    body += "folder " + plan.folder + "\n";
    body += "competition " + std::to_string(plan.competition) + "\n";
    for (const std::string& file : plan.files) {
        body += "file " + file + "\n";
    }
    return body + CheckLine(body);
}

// Parses a plan; false when it is not one that PlanText wrote.
bool ParsePlan(const std::string& text, RebuildPlan& plan) {
    const std::string::size_type checkAt = text.rfind("check ");
    if (checkAt == std::string::npos ||
        text.substr(checkAt) != CheckLine(text.substr(0, checkAt))) {
        return false;
    }
    std::istringstream lines(text.substr(0, checkAt));
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine || !std::getline(lines, line) ||
        line.rfind("folder ", 0) != 0) {
        return false;
    }
    plan.folder = line.substr(7);
    if (!std::getline(lines, line) || line.rfind("competition ", 0) != 0) {
        return false;
    }
    plan.competition = std::atoi(line.c_str() + 12);
    plan.files.clear();
    while (std::getline(lines, line)) {
        const std::string name = line.rfind("file ", 0) == 0 ? line.substr(5) : std::string();
        if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
            return false;
        }
        plan.files.push_back(name);
    }
    return true;
}

std::string DataFolder() {
    std::string folder = DataFileName("");
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder.empty() ? "." : folder;
}

std::string StagedFile(const std::string& name) {
    return RebuildStagingFolder() + "/" + name;
}

bool Exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

// Reads the whole plan file; false (status set) when it cannot be read.
bool ReadPlanFile(const std::string& name, std::string& text) {
    storage::FileHandle file;
    std::int64_t size = 0;
    if (!storage::OpenFile(file, name, true, false) || !storage::FileSize(file, size)) {
        return false;
    }
    text.assign(static_cast<std::size_t>(std::min(size, kLongestPlan)), '\0');
    const bool read = storage::ReadAt(file, 0, text.size(), text.data());
    storage::CloseFile(file);
    return read;
}

bool DeleteIfThere(const std::string& name) {
    return !Exists(name) || storage::DeleteFile(name);
}

}  // namespace

std::string RebuildStagingFolder() {
    return DataFileName(kRebuildStagingFolder);
}

bool RemoveRebuildStaging() {
    ClearStorageStatus();
    const std::string folder = RebuildStagingFolder();
    if (!DeleteIfThere(DataFileName(kTemporaryPlanFile))) {
        return false;
    }
    if (!Exists(folder)) {
        return true;
    }
    std::error_code error;
    std::vector<std::string> names;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        names.push_back(entry->path().string());
    }
    for (const std::string& name : names) {
        if (!storage::DeleteFile(name)) {
            return false;
        }
    }
    return storage::RemoveDirectory(folder) && storage::FlushDirectory(DataFolder());
}

bool MakeRebuildStagingFolder() {
    return RemoveRebuildStaging() && storage::MakeDirectory(RebuildStagingFolder());
}

bool WriteRebuildPlan(const RebuildPlan& plan) {
    ClearStorageStatus();
    const std::string text = PlanText(plan);
    const std::string temporary = DataFileName(kTemporaryPlanFile);
    storage::FileHandle file;
    if (!DeleteIfThere(temporary) || !storage::CreateNewFile(file, temporary)) {
        return false;
    }
    const bool written =
        storage::WriteAt(file, 0, text.size(), text.data()) && storage::FlushFile(file);
    if (!storage::CloseFile(file) || !written) {
        return false;
    }
    // The staged files reach the disk's folder before the plan names them.
    return storage::FlushDirectory(RebuildStagingFolder()) &&
           storage::RenameFile(temporary, DataFileName(kRebuildPlanFile)) &&
           storage::FlushDirectory(DataFolder());
}

bool CarryOutRebuildPlan(const RebuildPlan& plan) {
    ClearStorageStatus();
    for (const std::string& name : plan.files) {
        const std::string staged = StagedFile(name);
        if (Exists(staged) && !storage::RenameFile(staged, DataFileName(name))) {
            return false;
        }
    }
    return storage::FlushDirectory(DataFolder()) &&
           storage::FlushDirectory(RebuildStagingFolder()) &&
           storage::DeleteFile(DataFileName(kRebuildPlanFile)) &&
           storage::FlushDirectory(DataFolder()) && RemoveRebuildStaging();
}

RebuildRecovery RecoverInterruptedRebuild(std::string& message) {
    message.clear();
    ClearStorageStatus();
    const std::string planName = DataFileName(kRebuildPlanFile);
    if (!Exists(planName)) {
        if (!Exists(RebuildStagingFolder()) && !Exists(DataFileName(kTemporaryPlanFile))) {
            return RebuildRecovery::nothing;
        }
        if (!RemoveRebuildStaging()) {
            message = Windows1252FromUtf8("Ett avbrutet indexbygge kunde inte tas bort: ") +
                      StorageFailureText(kRebuildStagingFolder);
            return RebuildRecovery::refused;
        }
        message = Windows1252FromUtf8(
            "Ett avbrutet indexbygge har tagits bort; registren är som före det.");
        return RebuildRecovery::rolledBack;
    }
    std::string text;
    RebuildPlan plan;
    if (!ReadPlanFile(planName, text) || !ParsePlan(text, plan)) {
        message = Windows1252FromUtf8(
            "Indexbyggets plan (indexbygge.plan) är skadad. Inget har ändrats; återställ "
            "datakatalogen från en säkerhetskopia.");
        return RebuildRecovery::refused;
    }
    if (plan.folder != DataFolder()) {
        message = Windows1252FromUtf8(
                      "Indexbyggets plan (indexbygge.plan) gäller en annan "
                      "datakatalog (") +
                  Windows1252FromUtf8(plan.folder) + Windows1252FromUtf8("). Inget har ändrats.");
        return RebuildRecovery::refused;
    }
    if (!CarryOutRebuildPlan(plan)) {
        message = Windows1252FromUtf8("Ett avbrutet indexbygge kunde inte slutföras: ") +
                  StorageFailureText(kRebuildPlanFile);
        return RebuildRecovery::refused;
    }
    message = Windows1252FromUtf8("Ett avbrutet indexbygge har slutförts.");
    return RebuildRecovery::completed;
}

std::string RebuildPlanFolder() {
    return DataFolder();
}

}  // namespace oltoma::ol
