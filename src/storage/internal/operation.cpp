#include "storage/internal/operation.h"

#include <algorithm>
#include <cstddef>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/journal.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

bool RollBack(FileBlock& block, int rollbackCode) {
    OperationLog& op = block.op;
    const int key = op.keyNumber;
    op.active = false;
    op.pending.clear();
    ThePageCache().DropAll(block);
    block.dataHeader = op.dataBefore;
    block.dataHeaderChanged = false;
    if (key > 0) {
        block.keys[key].header = op.keyBefore;
        block.keys[key].headerChanged = false;
        block.keys[key].pathValid = false;
    }
    const bool restored = !op.journalWritten || Playback(block);
    RecomputeRowCount(block);
    EndOperation(block);
    return Fail(restored ? rollbackCode : IsamCode::kRollbackFailed);
}

// After a failed flush: memory as before the operation, nothing played
// back; the status stays as the flush set it.
bool LeaveAfterFailedSync(FileBlock& block) {
    OperationLog& op = block.op;
    ThePageCache().DropAll(block);
    block.dataHeader = op.dataBefore;
    block.dataHeaderChanged = false;
    if (op.keyNumber > 0) {
        block.keys[op.keyNumber].header = op.keyBefore;
        block.keys[op.keyNumber].headerChanged = false;
        block.keys[op.keyNumber].pathValid = false;
    }
    RecomputeRowCount(block);
    EndOperation(block);
    return false;
}

bool RollBackOrLeave(FileBlock& block, int rollbackCode) {
    return block.syncFailed ? LeaveAfterFailedSync(block) : RollBack(block, rollbackCode);
}

}  // namespace

void RecomputeRowCount(FileBlock& block) {
    std::int32_t rows = 0;
    for (int key = 1; key <= block.KeyCount(); ++key) {
        rows = std::max(rows, block.keys[key].header.PageCount);
    }
    block.rowCount = rows;
    block.zeroedRows = rows;
}

bool WriteChanges(FileBlock& block) {
    if (block.KeyCount() > 0 && !ThePageCache().WriteDirty(block)) {
        return false;
    }
    for (int key = 1; key <= block.KeyCount(); ++key) {
        if (block.keys[key].headerChanged && !WriteKeyHeader(block, key)) {
            return false;
        }
    }
    return !block.dataHeaderChanged || WriteDataHeader(block);
}

bool StartModification(FileBlock& block, int key, int rollbackCode) {
    if (InUnit(block)) {
        StartUnitOperation(block, key, rollbackCode);
        return true;
    }
    if (block.journalMode) {
        BeginOperation(block, key);
    } else if (!block.changedSinceOpen) {
        const std::uint8_t modified = 1;
        if (!WriteAt(block.data, offsetof(DataHeaderImage, ModifiedFlag), sizeof modified,
                     &modified)) {
            return false;
        }
        block.dataHeader.ModifiedFlag = modified;
    }
    block.changedSinceOpen = true;
    return true;
}

bool FinishModification(FileBlock& block, bool succeeded, int rollbackCode) {
    if (InUnit(block)) {
        return succeeded ? FinishUnitOperation(block) || FailUnit(block, rollbackCode)
                         : FailUnit(block, rollbackCode);
    }
    if (!block.journalMode) {
        return succeeded;
    }
    if (!succeeded) {
        if (block.op.changed) {
            return RollBackOrLeave(block, rollbackCode);
        }
        EndOperation(block);
        return false;
    }
    LogHeaderOnce(block);
    FileHandle& changedFile = block.op.keyNumber == 0 ? block.data : block.index;
    if (!FlushJournal(block) || !WriteChanges(block) || !SyncFile(block, changedFile) ||
        !Commit(block)) {
        return RollBackOrLeave(block, rollbackCode);
    }
    EndOperation(block);
    return true;
}

bool RefuseOperation(FileBlock& block, int code, int rollbackCode) {
    Fail(code);
    if (InUnit(block)) {
        FailUnit(block, rollbackCode);
    }
    return false;
}

}  // namespace oltoma::storage
