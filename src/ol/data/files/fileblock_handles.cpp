#include "ol/data/files/fileblock_handles.h"

#include <filesystem>
#include <string>

#include "ol/data/files/file_names.h"
#include "ol/data/files/storage_failure.h"
#include "storage/access_layer.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {

bool LastFailureWasMissingFile() {
    const int error = storage::IsamError();
    return error == storage::IsamCode::kFileNotFound || error == storage::IsamCode::kPathNotFound;
}

bool OpenDataFile(storage::FileBlock*& handle, std::string_view baseName) {
    handle = nullptr;
    const std::string name = DataFileName(baseName);
    // The engine makes a fileblock's journal before it looks for the data
    // file; looking first keeps a data directory without data files free of
    // stray journals.
    std::error_code error;
    if (!std::filesystem::exists(storage::NamesOfFileBlock(name).data, error)) {
        ClearStorageStatus();
        storage::ReportIsamError(storage::IsamCode::kFileNotFound);
        return false;
    }
    storage::OpenFileBlock(handle, name);
    if (storage::IsamSucceeded()) {
        return true;
    }
    handle = nullptr;
    if (!LastFailureWasMissingFile()) {
        ReportStorageFailure(baseName);
    }
    return false;
}

void CloseDataFile(storage::FileBlock*& handle, std::string_view baseName) {
    if (handle == nullptr) {
        return;
    }
    storage::CloseFileBlock(handle);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(baseName);
    }
    handle = nullptr;
}

std::int32_t LiveRecordCount(storage::FileBlock* handle) {
    if (handle == nullptr) {
        return 0;
    }
    const std::int32_t used = storage::UsedRecs(handle);
    return storage::IsamSucceeded() ? used : 0;
}

}  // namespace oltoma::ol
