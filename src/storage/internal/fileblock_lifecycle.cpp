// Opening and closing fileblocks, and starting and stopping the engine.
#include <algorithm>
#include <limits>
#include <memory>
#include <new>

#include "storage/fileblock_names.h"
#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage::engine {
namespace {

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
    if (!CreateNewFile(created, name) || !WriteAt(created, 0, 1, &placeholder) ||
        !CloseFile(created)) {
        CloseAndDeleteKeepingError(&created, {});
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
    // A unit that was not committed is not stored.
    if (InUnit(block)) {
        closed = AbandonUnit(block);
    }
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

bool KeyAllowsDuplicates(const FileBlock* reference, int keyNumber) {
    for (const auto& open : TheEngine().openBlocks) {
        if (open.get() == reference) {
            return keyNumber >= 1 && keyNumber <= open->KeyCount() &&
                   open->keys[keyNumber].header.AllowDuplicates != 0;
        }
    }
    return false;
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
