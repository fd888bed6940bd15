#include "ol/data/maintenance/file_set_presence.h"

#include <algorithm>

#include "ol/data/files/file_names.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/backup_file_set.h"
#include "ol/data/maintenance/backup_manifest.h"
#include "ol/data/maintenance/read_only_file_block.h"
#include "ol/data/records/info_rec.h"

namespace oltoma::ol {
namespace {

// The label and giro files are made when first used: not required.
bool IsOptional(const BackupFile& file) {
    return file.fileBlock == kLabelFileBase || file.fileBlock == kPlusgiroFileBase ||
           file.fileBlock == kBankgiroFileBase;
}

std::vector<std::string> RequiredFiles(const std::vector<int>& competitions) {
    std::vector<std::string> required;
    const auto add = [&required](const std::vector<BackupFile>& files) {
        for (const BackupFile& file : files) {
            if (!IsOptional(file) &&
                std::find(required.begin(), required.end(), file.name) == required.end()) {
                required.push_back(file.name);
            }
        }
    };
    add(BackupFileSet(0));
    for (int competition : competitions) {
        add(BackupFileSet(competition));
    }
    return required;
}

}  // namespace

std::vector<int> CompetitionsToCheck(const std::string& folder) {
    BackupManifest manifest;
    if (ReadBackupManifest(folder, manifest) == ManifestState::read) {
        if (manifest.competition > 0) {
            return {manifest.competition};
        }
        return {};
    }
    std::vector<int> competitions;
    const ReadOnlyFileBlock competitionRegister(folder + "/" +
                                                std::string(kCompetitionRegisterBase));
    const auto records = competitionRegister.Records<InfoRec>();
    for (std::size_t n = 1; n < records.size() && n <= kMaxCompetitions; ++n) {
        if (records[n].first) {
            competitions.push_back(static_cast<int>(n));
        }
    }
    return competitions;
}

std::vector<std::string> MissingFiles(const std::string& folder, const std::set<std::string>& names,
                                      const std::vector<int>& competitions) {
    BackupManifest manifest;
    if (ReadBackupManifest(folder, manifest) != ManifestState::read) {
        manifest.files.clear();
    }
    const auto listed = [&manifest](const std::string& name) {
        return std::any_of(manifest.files.begin(), manifest.files.end(),
                           [&name](const BackupManifest::File& file) { return file.name == name; });
    };
    std::vector<std::string> lines;
    for (const std::string& name : RequiredFiles(competitions)) {
        if (names.count(name) == 0 && !listed(name)) {
            lines.push_back(name + ": missing");
        }
    }
    return lines;
}

}  // namespace oltoma::ol
