// The record operations of the engine: AddRec, GetRec, PutRec, DeleteRec,
// FileLen and UsedRecs, with record allocation from the data file's free
// list.
#include <limits>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
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
        if (!ReadLink(block.data, RecordOffset(block, header.FreeHead), link)) {
            return false;
        }
        if (link == 0 || link > header.SlotCount || link < kEndOfList) {
            return Fail(IsamCode::kBadFreeLink);
        }
        LogAllocation(block, 0, link);
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
    if (block != nullptr) {
        ReadAt(block->data, RecordOffset(*block, recordNumber),
               static_cast<std::size_t>(block->dataHeader.RecordLength), record);
    }
}

void PutRec(FileBlock* reference, std::int32_t recordNumber, const void* record) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return;
    }
    if (recordNumber == 0) {
        Fail(IsamCode::kPutRecZero);
        return;
    }
    // Not journalled: a rewrite changes no structure of the fileblock.
    if (!block->journalMode && !StartModification(*block, 0)) {
        return;
    }
    WriteRecord(*block, recordNumber, record);
}

void DeleteRec(FileBlock* reference, std::int32_t recordNumber) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return;
    }
    if (recordNumber < 1 || recordNumber > block->dataHeader.SlotCount) {
        Fail(IsamCode::kDeleteRecOutOfRange);
        return;
    }
    RunModifyingOperation(*block, 0, IsamCode::kDeleteRecRolledBack, [&] {
        // The header is logged before the link overwrites the record's first
        // bytes: a crash in between leaves the record off the free list (a
        // leaked slot), never a live record on it.
        LogHeaderOnce(*block);
        DataHeader& header = block->dataHeader;
        if (!WriteLink(*block, block->data, RecordOffset(*block, recordNumber), header.FreeHead)) {
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
    return block == nullptr ? 0 : block->dataHeader.SlotCount + 1;
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
