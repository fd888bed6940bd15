#include "storage/internal/store_unit.h"

#include <algorithm>
#include <cstring>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

bool Contains(const std::vector<ElementRef>& elements, const ElementRef& element) {
    return std::find(elements.begin(), elements.end(), element) != elements.end();
}

UnitLog::PendingRecord* FindRecord(UnitLog& unit, std::int32_t record) {
    for (auto pending = unit.records.rbegin(); pending != unit.records.rend(); ++pending) {
        if (pending->record == record) {
            return &*pending;
        }
    }
    return nullptr;
}

const UnitLog::PendingRecord* FindRecord(const UnitLog& unit, std::int32_t record) {
    return FindRecord(const_cast<UnitLog&>(unit), record);
}

UnitLog::PendingLink* FindPageLink(UnitLog& unit, const ElementRef& at) {
    for (UnitLog::PendingLink& link : unit.pageLinks) {
        if (link.at == at) {
            return &link;
        }
    }
    return nullptr;
}

std::size_t RecordBytes(const FileBlock& block) {
    return static_cast<std::size_t>(block.dataHeader.RecordLength);
}

// A place for the bytes of a record the unit writes.
UnitLog::PendingRecord& PlaceRecord(FileBlock& block, std::int32_t record) {
    UnitLog& unit = block.unit;
    if (UnitLog::PendingRecord* pending = FindRecord(unit, record)) {
        return *pending;
    }
    UnitLog::PendingRecord pending;
    pending.record = record;
    pending.offset = unit.bytes.size();
    unit.bytes.resize(unit.bytes.size() + RecordBytes(block));
    unit.records.push_back(pending);
    return unit.records.back();
}

void Touch(FileBlock& block, int key) {
    UnitLog& unit = block.unit;
    if (!unit.touched[static_cast<std::size_t>(key)]) {
        unit.touched[static_cast<std::size_t>(key)] = true;
        unit.restoreChanged = true;
    }
}

// The restore records of every touched key: links to write back, then the
// key's header before the unit.
void AppendRestoreRecords(const FileBlock& block, std::vector<std::uint8_t>& out) {
    const UnitLog& unit = block.unit;
    const auto append = [&out](const HeaderRecord& record) {
        const auto* first = reinterpret_cast<const std::uint8_t*>(&record);
        out.insert(out.end(), first, first + sizeof record);
    };
    for (int key = 0; key <= block.KeyCount(); ++key) {
        if (!unit.touched[static_cast<std::size_t>(key)]) {
            continue;
        }
        DataHeader data = unit.dataBefore;
        KeyHeader index = key > 0 ? unit.keysBefore[static_cast<std::size_t>(key)] : KeyHeader{};
        for (const UnitLog::Restore& restore : unit.restores) {
            if (restore.at.key != key) {
                continue;
            }
            data.FreeHead = restore.at.element;
            index.FreeHead = restore.at.element;
            append(MakeHeaderRecord(key, data, index, restore.value));
        }
        append(
            MakeHeaderRecord(key, unit.dataBefore,
                             key > 0 ? unit.keysBefore[static_cast<std::size_t>(key)] : KeyHeader{},
                             kNoFreeListTake));
    }
}

// Writes and syncs the page records not written yet and the restore records.
bool FlushUnitJournal(FileBlock& block) {
    UnitLog& unit = block.unit;
    if (unit.pendingImages.empty() && !unit.restoreChanged) {
        return true;
    }
    std::vector<std::uint8_t>& part = unit.pendingImages;
    const std::size_t images = part.size();
    AppendRestoreRecords(block, part);
    const std::int64_t start = block.journalLength;
    if (!WriteAt(block.journal, start, part.size(), part.data())) {
        // Cut the part off again, so that playback never meets half of it.
        const int error = IsamError();
        if (!WriteAt(block.journal, start, 0, nullptr)) {
            unit.journalWritten = true;
        }
        detail::SetIsamError(error);
        part.resize(images);
        return false;
    }
    unit.journalWritten = true;
    block.journalLength += static_cast<std::int64_t>(part.size());
    part.clear();
    unit.restoreChanged = false;
    return SyncFile(block, block.journal);
}

void ClearUnit(UnitLog& unit) {
    unit.active = false;
    unit.operations = 0;
    unit.journalWritten = false;
    unit.restoreChanged = false;
    unit.indexWritten = false;
    unit.pendingImages.clear();
    unit.loggedPages.clear();
    unit.freshPages.clear();
    unit.taken.clear();
    unit.released.clear();
    unit.restores.clear();
    unit.records.clear();
    unit.bytes.clear();
    unit.pageLinks.clear();
    unit.shadow.clear();
    unit.operationStored.clear();
    unit.operationReleased.clear();
}

UnitLog::ShadowPage& ShadowOf(UnitLog& unit, const ElementRef& at) {
    for (UnitLog::ShadowPage& page : unit.shadow) {
        if (page.at == at) {
            return page;
        }
    }
    unit.shadow.emplace_back();
    unit.shadow.back().at = at;
    return unit.shadow.back();
}

// What the operation that finished would have written: its stored pages
// that are still in the tree, and the links of the pages it released (the
// contents of a released page stay as they were before the operation).
bool ShadowOperation(FileBlock& block) {
    UnitLog& unit = block.unit;
    for (const ElementRef& at : unit.operationStored) {
        if (Contains(unit.operationReleased, at)) {
            continue;
        }
        const IndexPage* contents = ThePageCache().Get(block, at.key, at.element);
        if (contents == nullptr) {
            return false;
        }
        UnitLog::ShadowPage& page = ShadowOf(unit, at);
        page.hasContents = true;
        page.contents = *contents;
        page.hasLink = false;
    }
    for (const ElementRef& at : unit.operationReleased) {
        UnitLog::ShadowPage& page = ShadowOf(unit, at);
        page.hasLink = true;
        page.link = 0;
        for (const UnitLog::PendingLink& link : unit.pageLinks) {
            if (link.at == at) {
                page.link = link.link;
            }
        }
    }
    unit.operationStored.clear();
    unit.operationReleased.clear();
    return true;
}

// Puts the headers in memory back as they were before the unit and drops the
// fileblock's pages from the cache without writing them.
void RestoreMemoryBeforeUnit(FileBlock& block) {
    const UnitLog& unit = block.unit;
    ThePageCache().DropAll(block);
    block.dataHeader = unit.dataBefore;
    block.dataHeaderChanged = false;
    for (int key = 1; key <= block.KeyCount(); ++key) {
        block.keys[key].header = unit.keysBefore[static_cast<std::size_t>(key)];
        block.keys[key].headerChanged = false;
        block.keys[key].pathValid = false;
    }
}

// Restores the fileblock as it was before the unit: memory from the saved
// headers, the files by playback of the unit's journal.
bool UndoUnit(FileBlock& block) {
    UnitLog& unit = block.unit;
    RestoreMemoryBeforeUnit(block);
    const bool written = unit.journalWritten;
    ClearUnit(unit);
    const bool restored = !written || Playback(block);
    RecomputeRowCount(block);
    return restored;
}

// Writes the records the unit holds, in record order, contiguous whole
// records in one write.
bool WriteRecords(FileBlock& block) {
    UnitLog& unit = block.unit;
    std::sort(unit.records.begin(), unit.records.end(),
              [](const auto& a, const auto& b) { return a.record < b.record; });
    const std::size_t length = RecordBytes(block);
    std::vector<std::uint8_t> run;
    std::size_t i = 0;
    while (i < unit.records.size()) {
        const UnitLog::PendingRecord& first = unit.records[i];
        const std::int64_t offset = RecordOffset(block, first.record);
        if (!first.whole) {
            if (!WriteAt(block.data, offset, sizeof(std::int32_t), &unit.bytes[first.offset])) {
                return false;
            }
            ++i;
            continue;
        }
        run.assign(unit.bytes.begin() + static_cast<std::ptrdiff_t>(first.offset),
                   unit.bytes.begin() + static_cast<std::ptrdiff_t>(first.offset + length));
        std::size_t next = i + 1;
        while (next < unit.records.size() && unit.records[next].whole &&
               unit.records[next].record == unit.records[next - 1].record + 1) {
            const auto from =
                unit.bytes.begin() + static_cast<std::ptrdiff_t>(unit.records[next].offset);
            run.insert(run.end(), from, from + static_cast<std::ptrdiff_t>(length));
            ++next;
        }
        if (!WriteAt(block.data, offset, run.size(), run.data())) {
            return false;
        }
        i = next;
    }
    return true;
}

// Step 2 of the end of a unit; tells which files it wrote.
bool WriteUnitChanges(FileBlock& block, bool& dataWritten, bool& indexWritten) {
    UnitLog& unit = block.unit;
    dataWritten = !unit.records.empty() || block.dataHeaderChanged;
    if (block.KeyCount() > 0) {
        if (!EnsureRows(block)) {
            return false;
        }
        for (const UnitLog::ShadowPage& page : unit.shadow) {
            if ((page.hasContents &&
                 !WriteIndexPage(block, page.at.key, page.at.element, page.contents)) ||
                (page.hasLink &&
                 !WriteAt(block.index, PageOffset(block, page.at.key, page.at.element),
                          sizeof page.link, &page.link))) {
                return false;
            }
            unit.indexWritten = true;
        }
        // The shadow holds every page the cache has dirty, as it stands now.
        ThePageCache().MarkClean(block);
        for (int key = 1; key <= block.KeyCount(); ++key) {
            if (block.keys[key].headerChanged) {
                if (!WriteKeyHeader(block, key)) {
                    return false;
                }
                unit.indexWritten = true;
            }
        }
    }
    indexWritten = unit.indexWritten;
    return WriteRecords(block) && (!block.dataHeaderChanged || WriteDataHeader(block));
}

bool SyncUnitFiles(FileBlock& block, bool dataWritten, bool indexWritten) {
    if (dataWritten && indexWritten) {
        if (FlushFilePair(block.data, block.index)) {
            return true;
        }
        block.syncFailed = true;
        block.syncError = IsamDosError();
        return false;
    }
    if (dataWritten) {
        return SyncFile(block, block.data);
    }
    return !indexWritten || SyncFile(block, block.index);
}

// Ends a unit whose sync failed: nothing is undone on the disk (what reached
// it is unknown; the next open's playback decides). Memory goes back to the
// state before the unit and the cache forgets the fileblock's pages, so
// nothing of the unit is written later and reads see what the files hold.
// The status stays as the failing sync set it.
bool LeaveAfterFailedSync(FileBlock& block) {
    const int error = IsamError();
    UnitLog& unit = block.unit;
    RestoreMemoryBeforeUnit(block);
    ClearUnit(unit);
    RecomputeRowCount(block);
    unit.failed = true;
    unit.failureCode = error;
    return false;
}

}  // namespace

bool InUnit(const FileBlock& block) {
    return block.journalMode && block.unit.active;
}

void StartUnit(FileBlock& block) {
    UnitLog& unit = block.unit;
    ClearUnit(unit);
    unit.active = true;
    unit.failed = false;
    unit.failureCode = 0;
    unit.lastRollbackCode = IsamCode::kAddRecRolledBack;
    unit.journalStart = block.journalLength;
    unit.dataBefore = block.dataHeader;
    unit.keysBefore.resize(static_cast<std::size_t>(block.KeyCount()) + 1);
    for (int key = 1; key <= block.KeyCount(); ++key) {
        unit.keysBefore[static_cast<std::size_t>(key)] = block.keys[key].header;
    }
    unit.touched.assign(static_cast<std::size_t>(block.KeyCount()) + 1, false);
}

bool CommitUnit(FileBlock& block) {
    UnitLog& unit = block.unit;
    if (unit.operations == 0) {
        ClearUnit(unit);
        return true;
    }
    const int rollbackCode = unit.lastRollbackCode;
    bool dataWritten = false;
    bool indexWritten = false;
    if (!FlushUnitJournal(block) || !WriteUnitChanges(block, dataWritten, indexWritten)) {
        return block.syncFailed ? LeaveAfterFailedSync(block) : FailUnit(block, rollbackCode);
    }
    if (!SyncUnitFiles(block, dataWritten, indexWritten)) {
        return LeaveAfterFailedSync(block);
    }
    if (!Commit(block)) {
        return block.syncFailed ? LeaveAfterFailedSync(block) : FailUnit(block, rollbackCode);
    }
    ClearUnit(unit);
    return true;
}

bool AbandonUnit(FileBlock& block) {
    if (!block.unit.active) {
        ClearUnit(block.unit);
        return true;
    }
    return UndoUnit(block) || Fail(IsamCode::kRollbackFailed);
}

void StartUnitOperation(FileBlock& block, int key, int rollbackCode) {
    block.unit.lastRollbackCode = rollbackCode;
    block.unit.operationStored.clear();
    block.unit.operationReleased.clear();
    Touch(block, key);
}

bool FinishUnitOperation(FileBlock& block) {
    ++block.unit.operations;
    return ShadowOperation(block);
}

bool FailUnit(FileBlock& block, int rollbackCode) {
    if (block.syncFailed) {
        return LeaveAfterFailedSync(block);
    }
    const int cause = IsamError();
    const bool refusal = IsamErrorClass(cause) == 1;
    const bool restored = UndoUnit(block);
    const int code = !restored ? IsamCode::kRollbackFailed : refusal ? cause : rollbackCode;
    block.unit.failed = true;
    block.unit.failureCode = code;
    return Fail(code);
}

bool UnitNeedsPageImage(const FileBlock& block, int key, std::int32_t page) {
    const ElementRef at{key, page};
    return !Contains(block.unit.loggedPages, at) && !Contains(block.unit.freshPages, at);
}

void UnitLogPageImage(FileBlock& block, int key, std::int32_t page, const IndexPage& before) {
    Touch(block, key);
    block.unit.loggedPages.push_back({key, page});
    AppendPageRecord(block.unit.pendingImages, block, key, page, before);
}

void UnitNoteFreshPage(FileBlock& block, int key, std::int32_t page) {
    block.unit.freshPages.push_back({key, page});
}

bool UnitDeletedLiveRecord(const FileBlock& block, std::int32_t record) {
    const UnitLog& unit = block.unit;
    const ElementRef at{0, record};
    return Contains(unit.released, at) && !Contains(unit.taken, at) &&
           std::any_of(unit.restores.begin(), unit.restores.end(),
                       [&](const UnitLog::Restore& r) { return r.at == at; });
}

bool UnitNoteTake(FileBlock& block, int key, std::int32_t element, std::int32_t link) {
    UnitLog& unit = block.unit;
    const ElementRef at{key, element};
    Touch(block, key);
    if (Contains(unit.released, at)) {
        // Released by the unit: a page has its before-image, a record added
        // by the unit needs nothing, a record live before cannot be restored.
        return key != 0 || !UnitDeletedLiveRecord(block, element) || Fail(IsamCode::kSystemError);
    }
    if (!Contains(unit.taken, at)) {
        unit.taken.push_back(at);
        unit.restores.push_back({at, link});
        unit.restoreChanged = true;
    }
    if (key > 0) {
        std::erase_if(unit.pageLinks, [&](const UnitLog::PendingLink& l) { return l.at == at; });
    }
    return true;
}

void UnitNoteStored(FileBlock& block, int key, std::int32_t page) {
    UnitLog& unit = block.unit;
    const ElementRef at{key, page};
    if (!Contains(unit.operationStored, at)) {
        unit.operationStored.push_back(at);
    }
}

void UnitNoteRelease(FileBlock& block, int key, std::int32_t element, std::int32_t firstBytes) {
    UnitLog& unit = block.unit;
    const ElementRef at{key, element};
    Touch(block, key);
    if (key > 0 && !Contains(unit.operationReleased, at)) {
        unit.operationReleased.push_back(at);
    }
    if (Contains(unit.released, at)) {
        return;
    }
    unit.released.push_back(at);
    const bool liveBefore =
        key == 0 && element <= unit.dataBefore.SlotCount && !Contains(unit.taken, at);
    if (liveBefore) {
        // Bytes of -2 cannot be written back (the record then means no
        // relink); the record is remembered all the same, so that the unit
        // does not take it again.
        unit.restores.push_back({at, firstBytes});
        unit.restoreChanged = true;
    }
}

bool UnitPrepareWrite(FileBlock& block) {
    return FlushUnitJournal(block);
}

bool UnitHoldsRecord(const FileBlock& block, std::int32_t record) {
    return FindRecord(block.unit, record) != nullptr;
}

void UnitWriteRecord(FileBlock& block, std::int32_t record, const void* bytes) {
    UnitLog::PendingRecord& pending = PlaceRecord(block, record);
    pending.whole = true;
    std::memcpy(&block.unit.bytes[pending.offset], bytes, RecordBytes(block));
    Touch(block, 0);
}

bool UnitReadRecord(FileBlock& block, std::int32_t record, void* bytes) {
    const UnitLog::PendingRecord* pending = FindRecord(block.unit, record);
    if (pending != nullptr && pending->whole) {
        std::memcpy(bytes, &block.unit.bytes[pending->offset], RecordBytes(block));
        return true;
    }
    if (!ReadAt(block.data, RecordOffset(block, record), RecordBytes(block), bytes)) {
        return false;
    }
    if (pending != nullptr) {
        std::memcpy(bytes, &block.unit.bytes[pending->offset], sizeof(std::int32_t));
    }
    return true;
}

bool UnitReadLink(FileBlock& block, int key, std::int32_t element, std::int32_t& link) {
    UnitLog& unit = block.unit;
    if (key == 0) {
        if (const UnitLog::PendingRecord* pending = FindRecord(unit, element)) {
            std::memcpy(&link, &unit.bytes[pending->offset], sizeof link);
            return true;
        }
        return ReadLink(block.data, RecordOffset(block, element), link);
    }
    if (const UnitLog::PendingLink* pending = FindPageLink(unit, {key, element})) {
        link = pending->link;
        return true;
    }
    return ReadLink(block.index, PageOffset(block, key, element), link);
}

void UnitWriteLink(FileBlock& block, int key, std::int32_t element, std::int32_t link) {
    UnitLog& unit = block.unit;
    if (key == 0) {
        UnitLog::PendingRecord& pending = PlaceRecord(block, element);
        std::memcpy(&unit.bytes[pending.offset], &link, sizeof link);
        return;
    }
    if (UnitLog::PendingLink* pending = FindPageLink(unit, {key, element})) {
        pending->link = link;
        return;
    }
    unit.pageLinks.push_back({{key, element}, link});
}

bool EnsureRows(FileBlock& block) {
    while (block.zeroedRows < block.rowCount) {
        const std::int64_t offset =
            static_cast<std::int64_t>(block.zeroedRows + 1) * block.rowBytes;
        if (!PrepareWrite(block) ||
            !WriteZeros(block.index, offset, static_cast<std::size_t>(block.rowBytes))) {
            return false;
        }
        ++block.zeroedRows;
        block.unit.indexWritten = block.unit.indexWritten || InUnit(block);
    }
    return true;
}

}  // namespace oltoma::storage
