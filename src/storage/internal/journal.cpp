#include "storage/internal/journal.h"

#include <algorithm>
#include <cstring>

#include "storage/internal/engine_state.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

void Append(FileBlock& block, const void* bytes, std::size_t count) {
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    block.op.pending.insert(block.op.pending.end(), first, first + count);
}

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

bool Contains(const std::vector<std::int32_t>& pages, std::int32_t page) {
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

}  // namespace

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
    return block.journalMode && block.op.active;
}

bool NeedsPageImage(const FileBlock& block, std::int32_t page) {
    return JournalActive(block) && !Contains(block.op.loggedPages, page) &&
           !Contains(block.op.freshPages, page);
}

void LogPageImage(FileBlock& block, int key, std::int32_t page, const IndexPage& before) {
    if (!JournalActive(block)) {
        return;
    }
    block.op.changed = true;
    block.op.loggedPages.push_back(page);
    const int keyLen = block.keys[key].keyLen;
    const PageRecordPrefix prefix{
        static_cast<std::uint16_t>(before.itemCount), static_cast<std::uint16_t>(key),
        static_cast<std::uint16_t>(static_cast<std::uint32_t>(before.leftChild) >> 16)};
    Append(block, &prefix, sizeof prefix);
    std::uint8_t items[kLargestPageBytes];
    PackItems(before, keyLen, items);
    Append(block, items, static_cast<std::size_t>(before.itemCount * (keyLen + kItemOverhead)));
    const PageRecordTrailer trailer{page, before.leftChild};
    Append(block, &trailer, sizeof trailer);
}

void NoteFreshPage(FileBlock& block, std::int32_t page) {
    if (JournalActive(block)) {
        block.op.freshPages.push_back(page);
    }
}

void LogHeaderOnce(FileBlock& block) {
    OperationLog& op = block.op;
    if (!JournalActive(block) || op.headerLogged) {
        return;
    }
    const HeaderRecord record =
        MakeHeaderRecord(op.keyNumber, op.dataBefore, op.keyBefore, kNoFreeListTake);
    Append(block, &record, sizeof record);
    op.allocations.push_back(record);
    op.headerLogged = true;
    op.changed = true;
}

void LogAllocation(FileBlock& block, int key, std::int32_t freeHeadAfter) {
    OperationLog& op = block.op;
    if (!JournalActive(block)) {
        return;
    }
    op.changed = true;
    const KeyHeader index = key > 0 ? block.keys[key].header : KeyHeader{};
    const HeaderRecord record = MakeHeaderRecord(key, block.dataHeader, index, freeHeadAfter);
    if (!op.headerLogged) {
        Append(block, &record, sizeof record);
        op.allocations.push_back(record);
        op.headerLogged = true;
        return;
    }
    if (freeHeadAfter == kNoFreeListTake) {
        return;  // an append is undone by the first record's header
    }
    Append(block, &record, sizeof record);
    for (auto earlier = op.allocations.rbegin(); earlier != op.allocations.rend(); ++earlier) {
        Append(block, &*earlier, sizeof *earlier);
    }
    op.allocations.push_back(record);
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
    return FlushFile(block.journal);
}

bool PrepareWrite(FileBlock& block) {
    if (!JournalActive(block) || block.op.pending.empty()) {
        return true;
    }
    return FlushJournal(block);
}

CommitResult Commit(FileBlock& block) {
    if (!WriteAt(block.journal, kEmptyJournalLength, 0, nullptr)) {
        return CommitResult::Failed;
    }
    block.journalLength = kEmptyJournalLength;
    if (FlushFile(block.journal) || FlushFile(block.journal)) {
        detail::ClearStatus();
        return CommitResult::Committed;
    }
    return CommitResult::FlushFailed;
}

}  // namespace oltoma::storage
