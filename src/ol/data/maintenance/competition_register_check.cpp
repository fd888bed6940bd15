#include "ol/data/maintenance/competition_register_check.h"

#include <filesystem>

#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/data_file_records.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {

CompetitionRegisterCheck CheckCompetitionRegister() {
    CompetitionRegisterCheck check;
    check.fileName = std::string(kCompetitionRegisterBase) + ".DAT";
    const std::string data = storage::NamesOfFileBlock(DataFileName(kCompetitionRegisterBase)).data;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(data, error)) || error) {
        check.state = CompetitionRegisterState::missing;
        return check;
    }
    storage::FileBlock* handle = nullptr;
    bool opened = OpenDataFile(handle, kCompetitionRegisterBase);
    if (opened) {
        CloseDataFile(handle, kCompetitionRegisterBase);
        DataFileRecords records;
        opened = records.Open(data, CompetitionRegisterFormat().recordLength);
    }
    if (!opened) {
        check.state = CompetitionRegisterState::damaged;
        check.failureNumber = FileFailureNumber();
        check.failureText = StorageFailureText(check.fileName);
    }
    return check;
}

}  // namespace oltoma::ol
