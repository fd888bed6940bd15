// Creating, opening, closing and deleting fileblocks.
#include <algorithm>
#include <limits>
#include <memory>
#include <new>

#include "storage/engine_state.h"
#include "storage/fileblock_names.h"
#include "storage/index_file.h"
#include "storage/isam_engine.h"
#include "storage/isam_status.h"
#include "storage/journal.h"
#include "storage/operation.h"

namespace oltoma::storage::engine {
namespace {

// Keeps the error code of a failure while files are cleaned up.
void CleanUpKeepingError(FileHandle* opened, std::initializer_list<const std::string*> remove) {
    const int error = IsamError();
    if (opened != nullptr && opened->IsOpen()) {
        CloseFile(*opened);
    }
    for (const std::string* name : remove) {
        DeleteFile(*name);
    }
    detail::SetIsamError(error);
}

bool CreateDataFile(const std::string& name, std::int32_t recordLength, int numberOfKeys) {
    FileHandle file;
    if (!CreateFile(file, name)) {
        return false;
    }
    DataHeader header;
    header.RecordLength = recordLength;
    header.KeyCount = numberOfKeys;
    const DataHeaderImage image = ImageOf(header);
    if (!WriteZeros(file, 0, static_cast<std::size_t>(recordLength)) ||
        !WriteAt(file, 0, sizeof image, &image) || !CloseFile(file)) {
        CleanUpKeepingError(&file, {&name});
        return false;
    }
    return true;
}

bool CreateIndexFile(const FileBlockNames& names, int numberOfKeys,
                     std::span<const IndexDescriptor> descriptors) {
    FileHandle file;
    if (!CreateFile(file, names.index)) {
        CleanUpKeepingError(nullptr, {&names.data});
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
            CleanUpKeepingError(&file, {&names.data, &names.index});
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
    if (!written || !CloseFile(file)) {
        CleanUpKeepingError(&file, {&names.data, &names.index});
        return false;
    }
    return true;
}

void CloseFiles(FileBlock& block) {
    const int error = IsamError();
    for (FileHandle* file : {&block.journal, &block.index, &block.data}) {
        if (file->IsOpen()) {
            CloseFile(*file);
        }
    }
    detail::SetIsamError(error);
}

// Opens the journal read/write, creating it (its one byte) when missing.
bool OpenJournal(FileBlock& block, const std::string& name) {
    if (OpenFile(block.journal, name, false, false)) {
        return true;
    }
    if (IsamError() != IsamCode::kFileNotFound) {
        return false;
    }
    FileHandle created;
    const std::uint8_t placeholder = 0;
    if (!CreateFile(created, name) || !WriteAt(created, 0, 1, &placeholder) ||
        !CloseFile(created)) {
        CleanUpKeepingError(&created, {});
        return false;
    }
    detail::ClearStatus();
    return OpenFile(block.journal, name, false, false);
}

// Opens an existing journal read-only; a missing journal is no failure.
bool OpenJournalForReading(FileBlock& block, const std::string& name, bool shared) {
    if (OpenFile(block.journal, name, true, shared)) {
        return true;
    }
    if (IsamError() != IsamCode::kFileNotFound) {
        return false;
    }
    detail::ClearStatus();
    return true;
}

bool ReadDataHeader(FileBlock& block) {
    DataHeaderImage image;
    if (!ReadAt(block.data, 0, sizeof image, &image)) {
        return false;
    }
    block.dataHeader = HeaderOf(image);
    const DataHeader& header = block.dataHeader;
    if (header.KeyCount > kMaxNrOfKeys) {
        return Fail(IsamCode::kBadDataHeader);
    }
    // Not a data file of the engine: nothing could be read or written safely.
    if (header.RecordLength < kMinRecordLength || header.SlotCount < 0 ||
        header.SlotCount >= std::numeric_limits<std::int32_t>::max()) {
        return Fail(IsamCode::kBadDataHeader);
    }
    return true;
}

bool ReadKeyHeaders(FileBlock& block) {
    std::int64_t offset = 0;
    for (int key = 1; key <= block.KeyCount(); ++key) {
        KeyHeaderImage image;
        if (!ReadAt(block.index, offset, sizeof image, &image)) {
            return false;
        }
        KeyDescriptor& descriptor = block.keys[key];
        descriptor.header = HeaderOf(image);
        const int pageSize = descriptor.header.PageSize;
        if (pageSize > kPageSize || pageSize < 2) {
            return Fail(IsamCode::kPageSizeTooLarge);
        }
        const std::int64_t itemBytes = static_cast<std::int64_t>(descriptor.header.PageBytes) - 6;
        if (itemBytes % pageSize != 0) {
            return Fail(IsamCode::kPageBytesNotWhole);
        }
        const std::int64_t keyLen = itemBytes / pageSize - kItemOverhead;
        if (keyLen < 1 || keyLen > kMaxKeyLen) {
            return Fail(IsamCode::kKeyLenOutOfRange);
        }
        descriptor.keyLen = static_cast<int>(keyLen);
        descriptor.keyOffset = offset;
        offset += descriptor.header.PageBytes;
    }
    block.rowBytes = offset;
    RecomputeRowCount(block);
    return true;
}

// A fileblock to be changed must hold what its headers count: every record
// slot and every index row. Appending behind a shorter file would leave a
// hole and, with a damaged header, write at absurd offsets.
bool CheckFileLengths(FileBlock& block) {
    std::int64_t size = 0;
    const std::int64_t records = static_cast<std::int64_t>(block.dataHeader.SlotCount) + 1;
    if (!FileSize(block.data, size)) {
        return false;
    }
    if (size < records * block.dataHeader.RecordLength) {
        return Fail(IsamCode::kShortRead);
    }
    if (block.KeyCount() == 0) {
        return true;
    }
    const std::int64_t rows = static_cast<std::int64_t>(block.rowCount) + 1;
    if (!FileSize(block.index, size)) {
        return false;
    }
    return size >= rows * block.rowBytes || Fail(IsamCode::kShortRead);
}

struct OpenRequest {
    bool readOnly = false;
    bool shared = false;
    bool journalMode = false;
    bool playBack = true;  // play a pending journal back
};

// Runs the open steps; on failure everything opened is closed again.
std::unique_ptr<FileBlock> OpenBlock(std::string_view name, const OpenRequest& request,
                                     bool& journalPending) {
    const FileBlockNames names = NamesOfFileBlock(name);
    std::unique_ptr<FileBlock> block(new (std::nothrow) FileBlock);
    if (!block) {
        Fail(IsamCode::kNoMemoryAtOpen);
        return nullptr;
    }
    block->name = std::string(name);
    block->readOnly = request.readOnly;
    block->journalMode = request.journalMode;
    bool opened = true;
    if (request.journalMode) {
        opened = request.readOnly ? OpenJournalForReading(*block, names.journal, request.shared)
                                  : OpenJournal(*block, names.journal);
    }
    opened = opened && OpenFile(block->data, names.data, request.readOnly, request.shared) &&
             ReadDataHeader(*block);
    if (opened) {
        try {
            block->keys.resize(static_cast<std::size_t>(block->KeyCount()) + 1);
        } catch (const std::bad_alloc&) {
            opened = Fail(IsamCode::kNoMemoryForKeys);
        }
    }
    if (opened && block->KeyCount() > 0 &&
        !OpenFile(block->index, names.index, request.readOnly, request.shared)) {
        opened = IsamError() == IsamCode::kTooManyOpenFiles ? false : Fail(IsamCode::kCannotOpen);
    }
    opened = opened && ReadKeyHeaders(*block);
    if (opened && block->dataHeader.ModifiedFlag != 0) {
        opened = Fail(IsamCode::kCannotOpen);
    }
    std::int64_t journalSize = 0;
    if (opened && block->journal.IsOpen()) {
        opened = FileSize(block->journal, journalSize);
    }
    if (!opened) {
        CloseFiles(*block);
        return nullptr;
    }
    journalPending = journalSize > kEmptyJournalLength;
    block->journalLength = std::max(journalSize, kEmptyJournalLength);
    return block;
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
    if (numberOfKeys > 0) {
        CreateIndexFile(names, numberOfKeys, descriptors);
    }
}

void OpenFileBlock(FileBlock*& reference, std::string_view name, bool readOnly, bool allReadOnly,
                   bool journalMode, bool network) {
    static_cast<void>(network);  // region locks are not used by this system
    reference = nullptr;
    if (!BeginCall()) {
        return;
    }
    OpenRequest request;
    request.readOnly = readOnly || allReadOnly;
    request.shared = allReadOnly;
    request.journalMode = journalMode;
    bool journalPending = false;
    std::unique_ptr<FileBlock> block = OpenBlock(name, request, journalPending);
    if (!block) {
        return;
    }
    block->signature = kFileBlockSignature;
    // The lengths are checked after the playback, which restores headers a
    // crash may have written ahead of the rows they count.
    if ((journalPending && !Playback(*block)) || (!request.readOnly && !CheckFileLengths(*block))) {
        CloseFiles(*block);
        return;
    }
    for (int key = 1; key <= block->KeyCount(); ++key) {
        block->keys[key].path.Clear();
        block->keys[key].pathValid = true;
    }
    RecomputeRowCount(*block);
    reference = block.get();
    TheEngine().openBlocks.push_back(std::move(block));
}

void OpenFileBlockForReading(FileBlock*& reference, std::string_view name, bool& journalPending) {
    reference = nullptr;
    journalPending = false;
    if (!BeginCall()) {
        return;
    }
    OpenRequest request;
    request.readOnly = true;
    request.journalMode = true;
    std::unique_ptr<FileBlock> block = OpenBlock(name, request, journalPending);
    if (!block) {
        return;
    }
    block->signature = kFileBlockSignature;
    reference = block.get();
    TheEngine().openBlocks.push_back(std::move(block));
}

namespace {

// Closes an open fileblock and frees it; false when a step failed.
bool CloseBlock(FileBlock& block) {
    bool closed = true;
    if (!block.journalMode && !block.readOnly) {
        block.dataHeader.ModifiedFlag = 0;
        block.dataHeaderChanged = true;
        closed = WriteChanges(block);
    }
    for (FileHandle* file : {&block.journal, &block.index, &block.data}) {
        if (file->IsOpen() && !CloseFile(*file)) {
            closed = false;
        }
    }
    ThePageCache().DropAll(block);
    block.signature = 0;
    auto& open = TheEngine().openBlocks;
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&](const auto& entry) { return entry.get() == &block; }),
               open.end());
    return closed;
}

}  // namespace

void CloseFileBlock(FileBlock*& reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return;
    }
    reference = nullptr;
    if (!CloseBlock(*block)) {
        Fail(IsamCode::kCloseFailed);
    }
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

int InitIsam(int lockingMode, int pageBuffers) {
    detail::ClearStatus();
    Engine& engine = TheEngine();
    if (engine.initialised) {
        Fail(IsamCode::kAlreadyInitialised);
        return 0;
    }
    if (pageBuffers < kMinPageBuffers) {
        Fail(IsamCode::kTooFewBuffersAsked);
        return 0;
    }
    if (lockingMode != 0 && lockingMode != 2) {
        Fail(IsamCode::kBadLockingMode);
        return 0;
    }
    const int obtained = engine.cache.Allocate(pageBuffers);
    if (obtained == 0) {
        Fail(IsamCode::kTooFewBuffers);
        return 0;
    }
    engine.initialised = true;
    engine.lockingMode = lockingMode;
    return obtained;
}

int LockingMode() {
    return TheEngine().lockingMode;
}

void ExitIsam() {
    if (!BeginCall()) {
        return;
    }
    Engine& engine = TheEngine();
    int firstError = 0;
    while (!engine.openBlocks.empty()) {
        if (!CloseBlock(*engine.openBlocks.front()) && firstError == 0) {
            firstError = IsamCode::kCloseFailed;
        }
    }
    engine.cache.Release();
    engine.initialised = false;
    engine.lockingMode = 0;
    detail::SetIsamError(firstError);
}

std::int32_t RecordLength(const FileBlock* reference) {
    for (const auto& open : TheEngine().openBlocks) {
        if (open.get() == reference) {
            return open->dataHeader.RecordLength;
        }
    }
    return 0;
}

int KeyCount(const FileBlock* reference) {
    for (const auto& open : TheEngine().openBlocks) {
        if (open.get() == reference) {
            return open->KeyCount();
        }
    }
    return 0;
}

}  // namespace oltoma::storage::engine
