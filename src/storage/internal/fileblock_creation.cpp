// Creating and deleting the files of a fileblock.
#include <vector>

#include "storage/fileblock_names.h"
#include "storage/internal/engine_state.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/isam_status.h"

namespace oltoma::storage::engine {
namespace {

// The files of a fileblock are created new (MakeFileBlock has deleted any old
// ones), so nothing else can sit at their names, and synced before they are
// closed.
bool CreateDataFile(const std::string& name, std::int32_t recordLength, int numberOfKeys) {
    FileHandle file;
    if (!CreateNewFile(file, name)) {
        return false;
    }
    DataHeader header;
    header.RecordLength = recordLength;
    header.KeyCount = numberOfKeys;
    const DataHeaderImage image = ImageOf(header);
    if (!WriteZeros(file, 0, static_cast<std::size_t>(recordLength)) ||
        !WriteAt(file, 0, sizeof image, &image) || !FlushFile(file) || !CloseFile(file)) {
        CloseAndDeleteKeepingError(&file, {&name});
        return false;
    }
    return true;
}

bool CreateIndexFile(const FileBlockNames& names, int numberOfKeys,
                     std::span<const IndexDescriptor> descriptors) {
    FileHandle file;
    if (!CreateNewFile(file, names.index)) {
        CloseAndDeleteKeepingError(nullptr, {&names.data});
        return false;
    }
    std::vector<KeyHeader> headers(static_cast<std::size_t>(numberOfKeys));
    std::int64_t rowBytes = 0;
    for (int key = 0; key < numberOfKeys; ++key) {
        const IndexDescriptor descriptor = static_cast<std::size_t>(key) < descriptors.size()
                                               ? descriptors[key]
                                               : IndexDescriptor{};
        if (descriptor.KeyLen < 1 || descriptor.KeyLen > kMaxKeyLen) {
            Fail(IsamCode::kBadKeyLength);
            CloseAndDeleteKeepingError(&file, {&names.data, &names.index});
            return false;
        }
        headers[key].PageBytes = PageBytesOf(kPageSize, descriptor.KeyLen);
        headers[key].AllowDuplicates = descriptor.AllowDuplicates ? 1 : 0;
        rowBytes += headers[key].PageBytes;
    }
    bool written = WriteZeros(file, 0, static_cast<std::size_t>(rowBytes));
    std::int64_t offset = 0;
    for (int key = 0; key < numberOfKeys && written; ++key) {
        const KeyHeaderImage image = ImageOf(headers[key]);
        written = WriteAt(file, offset, sizeof image, &image);
        offset += headers[key].PageBytes;
    }
    if (!written || !FlushFile(file) || !CloseFile(file)) {
        CloseAndDeleteKeepingError(&file, {&names.data, &names.index});
        return false;
    }
    return true;
}

}  // namespace

void MakeFileBlock(std::string_view name, std::int32_t recordLength, int numberOfKeys,
                   std::span<const IndexDescriptor> descriptors) {
    if (!BeginCall()) {
        return;
    }
    if (recordLength < kMinRecordLength) {
        Fail(IsamCode::kRecordLengthTooSmall);
        return;
    }
    if (numberOfKeys < 0 || numberOfKeys > kMaxNrOfKeys) {
        Fail(IsamCode::kTooManyKeysAtCreation);
        return;
    }
    const FileBlockNames names = NamesOfFileBlock(name);
    DeleteFile(names.data);
    DeleteFile(names.index);
    DeleteFile(names.journal);
    detail::ClearStatus();
    if (!CreateDataFile(names.data, recordLength, numberOfKeys)) {
        return;
    }
    if (numberOfKeys > 0 && !CreateIndexFile(names, numberOfKeys, descriptors)) {
        return;
    }
    // The new names last only when the folder is synced.
    FlushDirectoryOf(names.data);
}

void DeleteFileBlock(std::string_view name) {
    if (!BeginCall()) {
        return;
    }
    const FileBlockNames names = NamesOfFileBlock(name);
    if (!CheckNotInUse(names.data) || !CheckNotInUse(names.index) ||
        !CheckNotInUse(names.journal)) {
        return;
    }
    DeleteFile(names.data);
    DeleteFile(names.index);
    DeleteFile(names.journal);
    detail::ClearStatus();
}

}  // namespace oltoma::storage::engine
