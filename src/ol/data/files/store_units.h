// Store units of the data layer over those of the storage engine
// (storage/access_layer.h): what one register operation writes (a record with
// all its keys, a deletion with its keys) reaches the file all or nothing.
//
// StoreUnit frames one such operation. When a StoreRun already holds a unit
// on the file, the operation joins it and is made durable with the run's
// next commit.
//
// StoreRun frames a long run of stores on one file (an import): they go in
// units of at most 256 operations or 1 MB of journal, whichever comes first.
// A unit also ends before a store that would reuse a record the unit
// deleted (the engine cannot undo that within the unit). A failure undoes
// the stores since the last commit; Committed() tells how many stood.
#pragma once

#include <cstdint>

#include "storage/isam_types.h"

namespace oltoma::ol {

class StoreUnit {
public:
    explicit StoreUnit(storage::FileBlock* file);
    StoreUnit(const StoreUnit&) = delete;
    StoreUnit& operator=(const StoreUnit&) = delete;
    // Undoes a unit this object began and did not commit.
    ~StoreUnit();

    // False (with the engine status set) when the unit could not begin.
    bool Started() const { return started_; }
    // True when the operation joined a unit it did not begin.
    bool Joined() const { return joined_; }
    // Makes a unit this object began durable; a joined one is left to its
    // run. False with the engine status set.
    bool Commit();
    // Undoes a unit this object began (a joined one is left as it is).
    void Cancel();

private:
    storage::FileBlock* file_;
    bool started_ = false;
    bool joined_ = false;
    bool ended_ = false;
};

class StoreRun {
public:
    static constexpr int kMaxOperations = 256;
    static constexpr std::int64_t kMaxJournalBytes = std::int64_t{1} << 20;

    explicit StoreRun(storage::FileBlock* file);
    StoreRun(const StoreRun&) = delete;
    StoreRun& operator=(const StoreRun&) = delete;
    // Undoes the stores not yet committed (call Finish to keep them).
    ~StoreRun();

    // Called before each store: commits the running unit when it is full, or
    // when the store may add a record the unit deleted, and begins the next.
    // False (engine status set) when that commit failed.
    bool Next();
    // Commits the last unit. False (engine status set) when it failed.
    bool Finish();
    // Stores made durable so far (Next calls whose store was committed).
    int Committed() const { return committed_; }

private:
    bool CommitRunning();

    storage::FileBlock* file_;
    bool running_ = false;
    int pending_ = 0;
    int committed_ = 0;
};

}  // namespace oltoma::ol
