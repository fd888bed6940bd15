// The key operations of the engine: AddKey, DeleteKey, FindKey, SearchKey,
// NextKey and ClearKey.
#include "storage/internal/btree_search.h"
#include "storage/internal/btree_update.h"
#include "storage/internal/engine_state.h"
#include "storage/internal/isam_engine.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
#include "storage/isam_status.h"

namespace oltoma::storage::engine {
namespace {

// Repositions after a failed search and reports the entry at or after it.
bool NextFromPosition(FileBlock& block, int keyNumber, bool& atEnd, PageItem& item) {
    KeyDescriptor& descriptor = block.keys[keyNumber];
    TrimPath(descriptor.path);
    descriptor.pathValid = true;
    if (!StepForward(block, keyNumber, descriptor.path, atEnd, item)) {
        descriptor.pathValid = false;
        return false;
    }
    return true;
}

bool Search(FileBlock& block, int keyNumber, std::string_view key, std::int32_t record, bool& found,
            PageItem& item) {
    KeyDescriptor& descriptor = block.keys[keyNumber];
    descriptor.pathValid = DescendTo(block, keyNumber, key, record, descriptor.path, found, item);
    return descriptor.pathValid;
}

}  // namespace

void AddKey(FileBlock* reference, int keyNumber, std::int32_t recordNumber, const IsamKeyStr& key) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, true);
    if (block == nullptr) {
        return;
    }
    KeyDescriptor& descriptor = block->keys[keyNumber];
    descriptor.pathValid = false;
    if (key.size() > static_cast<std::size_t>(descriptor.keyLen)) {
        RefuseOperation(*block, IsamCode::kKeyTooLong, IsamCode::kAddKeyRolledBack);
        return;
    }
    RunModifyingOperation(*block, keyNumber, IsamCode::kAddKeyRolledBack, [&] {
        SearchPath path;
        bool found = false;
        PageItem item;
        if (!DescendTo(*block, keyNumber, key.view(), recordNumber, path, found, item)) {
            return false;
        }
        if (found) {
            return Fail(IsamCode::kKeyExists);
        }
        PageItem entry;
        entry.recordNumber = recordNumber;
        entry.key = key;
        if (!InsertEntry(*block, keyNumber, path, entry)) {
            return false;
        }
        ++descriptor.header.EntryCount;
        descriptor.headerChanged = true;
        return true;
    });
}

void DeleteKey(FileBlock* reference, int keyNumber, std::int32_t recordNumber,
               const IsamKeyStr& key) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, true);
    if (block == nullptr) {
        return;
    }
    KeyDescriptor& descriptor = block->keys[keyNumber];
    descriptor.pathValid = false;
    RunModifyingOperation(*block, keyNumber, IsamCode::kDeleteKeyRolledBack, [&] {
        SearchPath path;
        bool found = false;
        PageItem item;
        if (!DescendTo(*block, keyNumber, key.view(), recordNumber, path, found, item)) {
            return false;
        }
        if (!found) {
            return Fail(IsamCode::kDeleteKeyNotFound);
        }
        LogHeaderOnce(*block);
        if (!RemoveEntry(*block, keyNumber, path)) {
            return false;
        }
        --descriptor.header.EntryCount;
        descriptor.headerChanged = true;
        return true;
    });
}

std::int32_t FindKey(FileBlock* reference, int keyNumber, const IsamKeyStr& key) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, false);
    if (block == nullptr) {
        return 0;
    }
    bool found = false;
    PageItem item;
    if (!Search(*block, keyNumber, key.view(), 0, found, item)) {
        return 0;
    }
    if (found) {
        return item.recordNumber;
    }
    if (block->keys[keyNumber].header.AllowDuplicates != 0) {
        // The lowest record number of the key follows the place of (key, 0).
        bool atEnd = false;
        if (!NextFromPosition(*block, keyNumber, atEnd, item)) {
            return 0;
        }
        if (!atEnd && item.key.view() == key.view()) {
            return item.recordNumber;
        }
    } else {
        TrimPath(block->keys[keyNumber].path);
    }
    Fail(IsamCode::kFindKeyNotFound);
    return 0;
}

std::int32_t SearchKey(FileBlock* reference, int keyNumber, IsamKeyStr& key) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, false);
    if (block == nullptr) {
        return 0;
    }
    bool found = false;
    PageItem item;
    if (!Search(*block, keyNumber, key.view(), 0, found, item)) {
        return 0;
    }
    bool atEnd = false;
    if (!found && !NextFromPosition(*block, keyNumber, atEnd, item)) {
        return 0;
    }
    if (atEnd) {
        Fail(IsamCode::kSearchKeyNotFound);
        return 0;
    }
    key = item.key;
    return item.recordNumber;
}

void NextKey(FileBlock* reference, int keyNumber, IsamKeyStr& key, std::int32_t& recordNumber) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, false);
    if (block == nullptr) {
        return;
    }
    KeyDescriptor& descriptor = block->keys[keyNumber];
    bool found = false;
    PageItem item;
    if (!descriptor.pathValid) {
        if (!Search(*block, keyNumber, key.view(), recordNumber, found, item)) {
            return;
        }
        if (!found) {
            TrimPath(descriptor.path);
        }
    }
    bool atEnd = false;
    if (!StepForward(*block, keyNumber, descriptor.path, atEnd, item)) {
        descriptor.pathValid = false;
        return;
    }
    if (atEnd) {
        Fail(IsamCode::kNoNextKey);
        return;
    }
    key = item.key;
    recordNumber = item.recordNumber;
}

std::int32_t KeyEntryRecord(FileBlock* reference, int keyNumber, std::int32_t recordNumber,
                            const IsamKeyStr& key) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, false);
    if (block == nullptr) {
        return 0;
    }
    SearchPath path;
    bool found = false;
    PageItem item;
    if (!DescendTo(*block, keyNumber, key.view(), recordNumber, path, found, item)) {
        return 0;
    }
    return found ? item.recordNumber : 0;
}

void ClearKey(FileBlock* reference, int keyNumber) {
    FileBlock* block = BeginKeyCall(reference, keyNumber, false);
    if (block == nullptr) {
        return;
    }
    block->keys[keyNumber].path.Clear();
    block->keys[keyNumber].pathValid = true;
}

}  // namespace oltoma::storage::engine
