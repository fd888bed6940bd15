#include "ol/data/files/register_keys.h"

#include "storage/access_layer.h"

namespace oltoma::ol::register_detail {
namespace {

const StoredKey* KeyNumbered(const std::vector<StoredKey>& keys, int number) {
    for (const StoredKey& key : keys) {
        if (key.number == number) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace

bool PlanKeyChanges(storage::FileBlock* file, std::int32_t rc,
                    const std::vector<StoredKey>& oldKeys, const std::vector<StoredKey>& newKeys,
                    std::vector<KeyChange>& plan) {
    plan.clear();
    for (const StoredKey& key : newKeys) {
        KeyChange change;
        change.number = key.number;
        change.added = key.key;
        const StoredKey* old = KeyNumbered(oldKeys, key.number);
        if (old != nullptr) {
            const std::int32_t holder = storage::KeyEntryRecord(file, key.number, rc, old->key);
            if (!storage::IsamSucceeded()) {
                return false;
            }
            change.removes = holder == rc && old->key != key.key;
            change.removed = old->key;
            if (holder == rc && old->key == key.key) {
                continue;  // the entry stays as it is
            }
        }
        const std::int32_t holder = storage::KeyEntryRecord(file, key.number, rc, key.key);
        if (!storage::IsamSucceeded()) {
            return false;
        }
        if (holder != 0 && holder != rc) {
            storage::ClearIsamStatus();
            storage::ReportIsamError(storage::IsamCode::kKeyExists);
            return false;
        }
        change.adds = holder == 0;
        if (change.removes || change.adds) {
            plan.push_back(change);
        }
    }
    return true;
}

bool ApplyKeyChanges(storage::FileBlock* file, std::int32_t rc,
                     const std::vector<KeyChange>& plan) {
    for (const KeyChange& change : plan) {
        if (change.removes) {
            storage::DeleteKey(file, change.number, rc, change.removed);
            if (!storage::IsamSucceeded()) {
                return false;
            }
        }
    }
    for (const KeyChange& change : plan) {
        if (change.adds) {
            storage::AddKey(file, change.number, rc, change.added);
            if (!storage::IsamSucceeded()) {
                return false;
            }
        }
    }
    return true;
}

KeptFailure::KeptFailure()
    : code_(storage::IsamError()),
      function_(storage::IsamDosFunction()),
      systemError_(storage::IsamDosError()) {}

void KeptFailure::Restore() const {
    storage::ClearIsamStatus();
    if (function_ != 0) {
        storage::ReportFileFailure(function_, systemError_, code_);
    } else {
        storage::ReportIsamError(code_);
    }
}

}  // namespace oltoma::ol::register_detail
