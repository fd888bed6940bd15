#include "ol/data/maintenance/rebuild/rebuild_plan.h"

#include <filesystem>
#include <sstream>

#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/checked_text_file.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr const char* kFirstLine = "OLTOMA indexbygge 1";
constexpr const char* kTemporaryPlanFile = "indexbygge.plan.tmp";

std::string PlanBody(const RebuildPlan& plan) {
    std::string body = std::string(kFirstLine) + "\n";
    body += "folder " + plan.folder + "\n";
    body += "competition " + std::to_string(plan.competition) + "\n";
    for (const std::string& file : plan.files) {
        body += "file " + file + "\n";
    }
    return body;
}

// Parses a plan's body; false when it is not one that PlanBody wrote.
bool ParsePlan(const std::string& body, RebuildPlan& plan) {
    std::istringstream lines(body);
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
    // The staged files reach the disk's folder before the plan names them.
    return storage::FlushDirectory(RebuildStagingFolder()) &&
           WriteCheckedTextFile(DataFolder(), kRebuildPlanFile, PlanBody(plan));
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
    std::string body;
    RebuildPlan plan;
    if (ReadCheckedTextFile(planName, body) != CheckedTextState::read || !ParsePlan(body, plan)) {
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
