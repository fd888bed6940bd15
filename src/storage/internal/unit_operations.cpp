// The engine operations of store units.
#include "storage/internal/engine_state.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage::engine {
namespace {

const FileBlock* OpenBlockOf(const FileBlock* reference) {
    for (const auto& open : TheEngine().openBlocks) {
        if (open.get() == reference) {
            return open.get();
        }
    }
    return nullptr;
}

}  // namespace

void BeginStoreUnit(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, true);
    if (block == nullptr) {
        return;
    }
    if (block->unit.active) {
        Fail(IsamCode::kSystemError);
        return;
    }
    StartUnit(*block);
}

bool CommitStoreUnit(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return false;
    }
    UnitLog& unit = block->unit;
    if (unit.failed) {
        unit.failed = false;
        return Fail(unit.failureCode);
    }
    if (!unit.active) {
        return Fail(IsamCode::kSystemError);
    }
    if (!block->journalMode) {
        unit.active = false;
        unit.operations = 0;
        return true;
    }
    const bool committed = CommitUnit(*block);
    unit.failed = false;
    return committed;
}

void CancelStoreUnit(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return;
    }
    UnitLog& unit = block->unit;
    unit.failed = false;
    if (!unit.active || !block->journalMode) {
        unit.active = false;
        unit.operations = 0;
        return;
    }
    AbandonUnit(*block);
}

bool StoreUnitRunning(const FileBlock* reference) {
    const FileBlock* block = OpenBlockOf(reference);
    return block != nullptr && (block->unit.active || block->unit.failed);
}

bool StoreUnitCanAddRecord(const FileBlock* reference) {
    const FileBlock* block = OpenBlockOf(reference);
    return block == nullptr || !InUnit(*block) ||
           !UnitDeletedLiveRecord(*block, block->dataHeader.FreeHead);
}

int StoreUnitOperations(const FileBlock* reference) {
    const FileBlock* block = OpenBlockOf(reference);
    return block != nullptr && block->unit.active ? block->unit.operations : 0;
}

std::int64_t StoreUnitJournalBytes(const FileBlock* reference) {
    const FileBlock* block = OpenBlockOf(reference);
    if (block == nullptr || !InUnit(*block)) {
        return 0;
    }
    return block->journalLength - block->unit.journalStart +
           static_cast<std::int64_t>(block->unit.pendingImages.size());
}

}  // namespace oltoma::storage::engine
