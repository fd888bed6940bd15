#include "ol/data/files/store_units.h"

#include "storage/access_layer.h"

namespace oltoma::ol {

StoreUnit::StoreUnit(storage::FileBlock* file) : file_(file) {
    if (storage::StoreUnitRunning(file)) {
        joined_ = true;
        started_ = true;
        return;
    }
    storage::BeginStoreUnit(file);
    started_ = storage::IsamSucceeded();
}

StoreUnit::~StoreUnit() {
    Cancel();
}

bool StoreUnit::Commit() {
    if (joined_ || ended_) {
        return true;
    }
    ended_ = true;
    return !started_ || storage::CommitStoreUnit(file_);
}

void StoreUnit::Cancel() {
    if (joined_ || ended_ || !started_) {
        return;
    }
    ended_ = true;
    storage::CancelStoreUnit(file_);
}

StoreRun::StoreRun(storage::FileBlock* file) : file_(file) {}

StoreRun::~StoreRun() {
    if (running_) {
        storage::CancelStoreUnit(file_);
    }
}

bool StoreRun::CommitRunning() {
    running_ = false;
    if (!storage::CommitStoreUnit(file_)) {
        pending_ = 0;
        return false;
    }
    committed_ += pending_;
    pending_ = 0;
    return true;
}

bool StoreRun::Next() {
    const bool full = storage::StoreUnitOperations(file_) >= kMaxOperations ||
                      storage::StoreUnitJournalBytes(file_) >= kMaxJournalBytes ||
                      !storage::StoreUnitCanAddRecord(file_);
    if (running_ && full && !CommitRunning()) {
        return false;
    }
    if (!running_) {
        storage::BeginStoreUnit(file_);
        if (!storage::IsamSucceeded()) {
            return false;
        }
        running_ = true;
    }
    ++pending_;
    return true;
}

bool StoreRun::Finish() {
    return !running_ || CommitRunning();
}

}  // namespace oltoma::ol
