#include "storage/internal/journal.h"

#include <algorithm>
#include <cstring>

#include "storage/internal/engine_state.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

void Append(FileBlock& block, const void* bytes, std::size_t count) {
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    block.op.pending.insert(block.op.pending.end(), first, first + count);
}

bool Contains(const std::vector<std::int32_t>& pages, std::int32_t page) {
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

bool OperationJournalActive(const FileBlock& block) {
    return block.journalMode && block.op.active;
}

}  // namespace

HeaderRecord MakeHeaderRecord(int key, const DataHeader& data, const KeyHeader& index,
                              std::int32_t freeHeadAfter) {
    HeaderRecord record{};
    record.Code = kHeaderRecordCode;
    record.KeyNumber = static_cast<std::uint16_t>(key);
    if (key == 0) {
        DataHeaderImage image = ImageOf(data);
        image.ModifiedFlag = 0;
        std::memcpy(record.Image, &image, sizeof image);
    } else {
        const KeyHeaderImage image = ImageOf(index);
        std::memcpy(record.Image, &image, sizeof image);
    }
    record.FreeHeadAfter = freeHeadAfter;
    return record;
}

void BeginOperation(FileBlock& block, int key) {
    OperationLog& op = block.op;
    op.active = true;
    op.keyNumber = key;
    op.changed = false;
    op.journalWritten = false;
    op.headerLogged = false;
    op.dataBefore = block.dataHeader;
    op.keyBefore = key > 0 ? block.keys[key].header : KeyHeader{};
    op.pending.clear();
    op.loggedPages.clear();
    op.freshPages.clear();
    op.allocations.clear();
}

void EndOperation(FileBlock& block) {
    block.op.active = false;
    block.op.pending.clear();
}

bool JournalActive(const FileBlock& block) {
    return OperationJournalActive(block) || InUnit(block);
}

bool NeedsPageImage(const FileBlock& block, int key, std::int32_t page) {
    if (InUnit(block)) {
        return UnitNeedsPageImage(block, key, page);
    }
    return OperationJournalActive(block) && !Contains(block.op.loggedPages, page) &&
           !Contains(block.op.freshPages, page);
}

void AppendPageRecord(std::vector<std::uint8_t>& out, const FileBlock& block, int key,
                      std::int32_t page, const IndexPage& before) {
    const auto append = [&out](const void* bytes, std::size_t count) {
        const auto* first = static_cast<const std::uint8_t*>(bytes);
        out.insert(out.end(), first, first + count);
    };
    const int keyLen = block.keys[key].keyLen;
    const PageRecordPrefix prefix{
        static_cast<std::uint16_t>(before.itemCount), static_cast<std::uint16_t>(key),
        static_cast<std::uint16_t>(static_cast<std::uint32_t>(before.leftChild) >> 16)};
    append(&prefix, sizeof prefix);
    std::uint8_t items[kLargestPageBytes];
    PackItems(before, keyLen, items);
    append(items, static_cast<std::size_t>(before.itemCount * (keyLen + kItemOverhead)));
    const PageRecordTrailer trailer{page, before.leftChild};
    append(&trailer, sizeof trailer);
}

void LogPageImage(FileBlock& block, int key, std::int32_t page, const IndexPage& before) {
    if (InUnit(block)) {
        UnitLogPageImage(block, key, page, before);
        return;
    }
    if (!OperationJournalActive(block)) {
        return;
    }
    block.op.changed = true;
    block.op.loggedPages.push_back(page);
    AppendPageRecord(block.op.pending, block, key, page, before);
}

void NoteFreshPage(FileBlock& block, int key, std::int32_t page) {
    if (InUnit(block)) {
        UnitNoteFreshPage(block, key, page);
    } else if (OperationJournalActive(block)) {
        block.op.freshPages.push_back(page);
    }
}

void LogHeaderOnce(FileBlock& block) {
    OperationLog& op = block.op;
    if (!OperationJournalActive(block) || op.headerLogged) {
        return;
    }
    const HeaderRecord record =
        MakeHeaderRecord(op.keyNumber, op.dataBefore, op.keyBefore, kNoFreeListTake);
    Append(block, &record, sizeof record);
    op.allocations.push_back(record);
    op.headerLogged = true;
    op.changed = true;
}

bool LogAllocation(FileBlock& block, int key, std::int32_t freeHeadAfter) {
    if (InUnit(block)) {
        const std::int32_t element =
            key == 0 ? block.dataHeader.FreeHead : block.keys[key].header.FreeHead;
        return freeHeadAfter == kNoFreeListTake || UnitNoteTake(block, key, element, freeHeadAfter);
    }
    OperationLog& op = block.op;
    if (!OperationJournalActive(block)) {
        return true;
    }
    op.changed = true;
    const KeyHeader index = key > 0 ? block.keys[key].header : KeyHeader{};
    const HeaderRecord record = MakeHeaderRecord(key, block.dataHeader, index, freeHeadAfter);
    if (!op.headerLogged) {
        Append(block, &record, sizeof record);
        op.allocations.push_back(record);
        op.headerLogged = true;
        return true;
    }
    if (freeHeadAfter == kNoFreeListTake) {
        return true;  // an append is undone by the first record's header
    }
    Append(block, &record, sizeof record);
    for (auto earlier = op.allocations.rbegin(); earlier != op.allocations.rend(); ++earlier) {
        Append(block, &*earlier, sizeof *earlier);
    }
    op.allocations.push_back(record);
    return true;
}

void NoteRelease(FileBlock& block, int key, std::int32_t element, std::int32_t firstBytes) {
    if (InUnit(block)) {
        UnitNoteRelease(block, key, element, firstBytes);
    }
}

bool SyncFile(FileBlock& block, FileHandle& file) {
    if (FlushFile(file)) {
        return true;
    }
    block.syncFailed = true;
    block.syncError = IsamDosError();
    return false;
}

bool FlushJournal(FileBlock& block) {
    OperationLog& op = block.op;
    if (op.pending.empty()) {
        return true;  // everything logged so far is on the disk
    }
    op.journalWritten = true;
    if (!WriteAt(block.journal, block.journalLength, op.pending.size(), op.pending.data())) {
        return false;
    }
    block.journalLength += static_cast<std::int64_t>(op.pending.size());
    op.pending.clear();
    return SyncFile(block, block.journal);
}

bool PrepareWrite(FileBlock& block) {
    if (InUnit(block)) {
        return UnitPrepareWrite(block);
    }
    if (!OperationJournalActive(block) || block.op.pending.empty()) {
        return true;
    }
    return FlushJournal(block);
}

bool Commit(FileBlock& block) {
    if (!WriteAt(block.journal, kEmptyJournalLength, 0, nullptr)) {
        return false;
    }
    block.journalLength = kEmptyJournalLength;
    if (!SyncFile(block, block.journal)) {
        return false;
    }
    detail::ClearStatus();
    return true;
}

}  // namespace oltoma::storage
