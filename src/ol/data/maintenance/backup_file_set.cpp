#include "ol/data/maintenance/backup_file_set.h"

#include <string_view>

#include "ol/data/files/file_names.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

std::string DataName(std::string_view base) {
    return storage::NamesOfFileBlock(base).data;
}

std::string IndexName(std::string_view base) {
    return storage::NamesOfFileBlock(base).index;
}

void AddDataAndIndex(std::vector<BackupFile>& files, std::string_view base) {
    files.push_back({std::string(base), DataName(base)});
    files.push_back({std::string(base), IndexName(base)});
}

void AddCompetitionFiles(std::vector<BackupFile>& files, int competition) {
    const std::string klass = CompetitionBaseName(kClassFileBase, competition);
    const std::string participants = CompetitionBaseName(kParticipantFileBase, competition);
    files.push_back({klass, DataName(klass)});
    AddDataAndIndex(files, participants);
    files.push_back({klass, IndexName(klass)});
    for (std::string_view base : {kCourseFileBase, kControlFileBase}) {
        AddDataAndIndex(files, CompetitionBaseName(base, competition));
    }
    files.push_back({std::string(), CompetitionBaseName(kClubTableBase, competition) + ".Dat"});
}

}  // namespace

std::vector<BackupFile> BackupFileSet(int competition) {
    std::vector<BackupFile> files = {
        {std::string(kCompetitionRegisterBase), DataName(kCompetitionRegisterBase)}};
    for (std::string_view base :
         {kClubRegisterBase, kDistrictRegisterBase, kRouteBase, kRoute24Base}) {
        AddDataAndIndex(files, base);
    }
    if (competition != 0) {
        AddCompetitionFiles(files, competition);
    }
    // The label file and the giro files follow, so a backup keeps the
    // office's labels and prepared slips too.
    for (std::string_view base : {kLabelFileBase, kPlusgiroFileBase, kBankgiroFileBase}) {
        AddDataAndIndex(files, base);
    }
    return files;
}

}  // namespace oltoma::ol
