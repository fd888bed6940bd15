// The index entries a register operation changes, and how a failed store
// keeps its engine status while it is undone (register_family.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/isam_types.h"

namespace oltoma::ol {

struct StoredKey {
    int number;
    std::string key;
};

namespace register_detail {

// One index of a record: the entry to remove and the entry to add.
struct KeyChange {
    int number = 0;
    bool removes = false;
    std::string removed;
    bool adds = false;
    std::string added;
};

// Plans the change of record rc's index entries from `oldKeys` (the keys of
// the record as stored before; empty for a new record) to `newKeys`: an old
// entry still in its index is removed unless it stays as it is, and a new
// one is added unless it is there. False when a new key belongs to another
// record in an index without duplicates (10230, nothing changed) or the
// engine failed (status set). The indexes' positions for NextKey are left
// alone.
bool PlanKeyChanges(storage::FileBlock* file, std::int32_t rc,
                    const std::vector<StoredKey>& oldKeys, const std::vector<StoredKey>& newKeys,
                    std::vector<KeyChange>& plan);

// Removes, then adds, the planned entries of record rc. False with the
// engine status set.
bool ApplyKeyChanges(storage::FileBlock* file, std::int32_t rc, const std::vector<KeyChange>& plan);

// The engine status of a failure, kept while the store is undone.
class KeptFailure {
public:
    KeptFailure();
    // Sets the status as it was when this was made.
    void Restore() const;

private:
    int code_;
    int function_;
    int systemError_;
};

}  // namespace register_detail
}  // namespace oltoma::ol
