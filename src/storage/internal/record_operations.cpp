// The record operations of the engine: AddRec, GetRec, PutRec, DeleteRec,
// FileLen and UsedRecs, with record allocation from the data file's free
// list.
#include <limits>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage::engine {
namespace {

// Takes the first record of the free list, or appends a record when the list
// is empty. A free head outside 1..SlotCount, or a link that is 0, above
// SlotCount or below -1, fails with 10170 and changes nothing.
bool AllocateRecord(FileBlock& block, std::int32_t& record) {
    DataHeader& header = block.dataHeader;
    if (header.FreeHead == kEndOfList) {
        if (header.SlotCount >= std::numeric_limits<std::int32_t>::max() - 1) {
            return Fail(IsamCode::kSystemError);
        }
        LogAllocation(block, 0, kNoFreeListTake);
        record = ++header.SlotCount;
        block.dataFromFreeList = false;
    } else {
        if (header.FreeHead < 1 || header.FreeHead > header.SlotCount) {
            return Fail(IsamCode::kBadFreeLink);
        }
        std::int32_t link = 0;
        if (!ReadFreeLink(block, 0, header.FreeHead, link)) {
            return false;
        }
        if (link == 0 || link > header.SlotCount || link < kEndOfList) {
            return Fail(IsamCode::kBadFreeLink);
        }
        if (!LogAllocation(block, 0, link)) {
            return false;
        }
        if (header.FreeCount == std::numeric_limits<std::int32_t>::min()) {
            return Fail(IsamCode::kBadFreeLink);  // a damaged count cannot shrink
        }
        record = header.FreeHead;
        header.FreeHead = link;
        --header.FreeCount;
        block.dataFromFreeList = true;
    }
    block.dataHeaderChanged = true;
    return true;
}

// Undoes an allocation in memory after the record could not be written.
void ReturnRecord(FileBlock& block, std::int32_t record) {
    DataHeader& header = block.dataHeader;
    if (block.dataFromFreeList) {
        header.FreeHead = record;
        ++header.FreeCount;
    } else {
        --header.SlotCount;
    }
}

bool WriteRecord(FileBlock& block, std::int32_t record, const void* contents) {
    if (InUnit(block)) {
        UnitWriteRecord(block, record, contents);
        return true;
    }
    return PrepareWrite(block) &&
           WriteAt(block.data, RecordOffset(block, record),
                   static_cast<std::size_t>(block.dataHeader.RecordLength), contents);
}

}  // namespace

std::int32_t AddRec(FileBlock* reference, const void* record) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return 0;
    }
    std::int32_t recordNumber = 0;
    const bool added = RunModifyingOperation(*block, 0, IsamCode::kAddRecRolledBack, [&] {
        if (!AllocateRecord(*block, recordNumber)) {
            return false;
        }
        if (!WriteRecord(*block, recordNumber, record)) {
            if (!block->journalMode) {
                ReturnRecord(*block, recordNumber);
            }
            return false;
        }
        return true;
    });
    return added ? recordNumber : 0;
}

void GetRec(FileBlock* reference, std::int32_t recordNumber, void* record) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return;
    }
    if (InUnit(*block)) {
        UnitReadRecord(*block, recordNumber, record);
        return;
    }
    ReadAt(block->data, RecordOffset(*block, recordNumber),
           static_cast<std::size_t>(block->dataHeader.RecordLength), record);
}

void PutRec(FileBlock* reference, std::int32_t recordNumber, const void* record) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return;
    }
    if (recordNumber == 0) {
        RefuseOperation(*block, IsamCode::kPutRecZero, IsamCode::kAddRecRolledBack);
        return;
    }
    // A record the running unit wrote is held with the unit's writes.
    if (InUnit(*block) && UnitHoldsRecord(*block, recordNumber)) {
        StartUnitOperation(*block, 0, IsamCode::kAddRecRolledBack);
        UnitWriteRecord(*block, recordNumber, record);
        if (!FinishUnitOperation(*block)) {
            FailUnit(*block, IsamCode::kAddRecRolledBack);
        }
        return;
    }
    // Not journalled: a rewrite changes no structure of the fileblock.
    if (!block->journalMode && !StartModification(*block, 0, IsamCode::kAddRecRolledBack)) {
        return;
    }
    WriteAt(block->data, RecordOffset(*block, recordNumber),
            static_cast<std::size_t>(block->dataHeader.RecordLength), record);
}

void DeleteRec(FileBlock* reference, std::int32_t recordNumber) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return;
    }
    if (recordNumber < 1 || recordNumber > block->dataHeader.SlotCount) {
        RefuseOperation(*block, IsamCode::kDeleteRecOutOfRange, IsamCode::kDeleteRecRolledBack);
        return;
    }
    RunModifyingOperation(*block, 0, IsamCode::kDeleteRecRolledBack, [&] {
        DataHeader& header = block->dataHeader;
        if (header.FreeCount == std::numeric_limits<std::int32_t>::max()) {
            return Fail(IsamCode::kBadFreeLink);  // a damaged count cannot grow
        }
        // The header is logged before the link overwrites the record's first
        // bytes: a crash in between leaves the record off the free list (a
        // leaked slot), never a live record on it.
        LogHeaderOnce(*block);
        if (InUnit(*block)) {
            std::int32_t firstBytes = 0;
            if (!ReadFreeLink(*block, 0, recordNumber, firstBytes)) {
                return false;
            }
            NoteRelease(*block, 0, recordNumber, firstBytes);
        }
        if (!WriteFreeLink(*block, 0, recordNumber, header.FreeHead)) {
            return false;
        }
        header.FreeHead = recordNumber;
        ++header.FreeCount;
        block->dataHeaderChanged = true;
        return true;
    });
}

std::int32_t FileLen(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return 0;
    }
    const std::int32_t slots = block->dataHeader.SlotCount;  // a damaged header may hold any
    return slots < std::numeric_limits<std::int32_t>::max() ? slots + 1 : slots;
}

std::int32_t UsedRecs(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return 0;
    }
    const std::int64_t used =
        static_cast<std::int64_t>(block->dataHeader.SlotCount) - block->dataHeader.FreeCount;
    if (used > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (used < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(used);
}

}  // namespace oltoma::storage::engine
