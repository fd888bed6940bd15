// The common algorithm behind the register operations of registers.h. Each
// record kind supplies a traits class derived from RegisterTraitsBase:
//
//   Record                   the record type
//   File()                   its open fileblock (null when closed)
//   Buffer()                 its record buffer in Ol()
//   FileText()               its file name for messages
//   kFindKey                 the key number Find and Delete search
//   KeyOfText(text)          the index key of a search text
//   Keys(record)             the index keys of a record, in the order they
//                            are added (key 1 among them)
//   Limit(), LimitNotice()   live records allowed (0: no limit)
//   PrepareForStore(record)  upper case, empty key replacement
//   AfterAdd(record, rc)     fields that hold the new record number
//   BeforePut(record)        fields computed as the record is stored
//   MayDelete(record, rc)    false (with a message) when it must stay
//   AfterDelete(record)      follow-up of a deletion
//   DeletionNotice(record)   the message line after a deletion
//   AfterFind()              loading related records
//
// What one operation writes (a record with all its keys, a deletion with its
// keys) is one store unit (store_units.h): all of it reaches the file or none
// of it, across failures and crashes. A store that is refused (limit,
// duplicate key) leaves nothing behind.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages/messages.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/register_keys.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/files/store_units.h"
#include "ol/data/records/record_numbers.h"
#include "ol/data/records/record_text.h"
#include "storage/access_layer.h"

namespace oltoma::ol {

struct RegisterTraitsBase {
    static constexpr int kFindKey = 1;
    static int Limit() { return 0; }
    static std::string LimitNotice() { return {}; }
    template <typename Record>
    static void AfterAdd(Record&, std::int32_t) {}
    template <typename Record>
    static void BeforePut(Record&) {}
    template <typename Record>
    static bool MayDelete(const Record&, std::int32_t) {
        return true;
    }
    template <typename Record>
    static void AfterDelete(const Record&) {}
    template <typename Record>
    static std::string DeletionNotice(const Record&) {
        return {};
    }
    static void AfterFind() {}
};

namespace register_detail {

// Reports a failed engine call unless it was an ordinary "not found".
inline void ReportUnlessNotFound(std::string_view fileText) {
    if (storage::IsamErrorClass() >= 2) {
        ReportStorageFailure(fileText);
    }
}

// Reads record rc into `record` when rc names a record of the file; `live`
// tells whether it is a live one. False (reported) on a storage failure.
template <typename Record>
bool ReadRecord(storage::FileBlock* file, std::string_view fileText, std::int32_t rc,
                Record& record, bool& live) {
    live = false;
    const std::int32_t fileLen = storage::FileLen(file);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(fileText);
        return false;
    }
    if (!IsRecordNumberInFile(rc, fileLen)) {
        return true;
    }
    storage::GetRec(file, rc, &record);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(fileText);
        return false;
    }
    live = record.DataStatus == 0;
    return true;
}

// Moves the key position as the find mode says; false when the engine
// found nothing or failed.
template <typename Traits>
bool PositionForFind(int mode, std::string_view key, std::int32_t& rc) {
    auto& buffer = Traits::Buffer();
    storage::FileBlock* file = Traits::File();
    switch (mode) {
        case FindMode::kByKey:
            buffer.cursorKey = Traits::KeyOfText(key);
            rc = storage::FindKey(file, Traits::kFindKey, buffer.cursorKey.view());
            break;
        case FindMode::kNext:
            storage::NextKey(file, Traits::kFindKey, buffer.cursorKey, rc);
            break;
        case FindMode::kSearch:
            buffer.cursorKey = Traits::KeyOfText(key);
            rc = storage::SearchKey(file, Traits::kFindKey, buffer.cursorKey);
            break;
        case FindMode::kReset:
            storage::ClearKey(file, Traits::kFindKey);
            rc = 0;
            break;
        default:
            return true;
    }
    if (!storage::IsamSucceeded()) {
        ReportUnlessNotFound(Traits::FileText());
        return false;
    }
    return mode != FindMode::kReset;
}

inline const StoredKey* KeyNumbered(const std::vector<StoredKey>& keys, int number) {
    for (const StoredKey& key : keys) {
        if (key.number == number) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace register_detail

template <typename Traits>
bool FindRecord(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    using Record = typename Traits::Record;
    notFound = true;
    ok = register_detail::PositionForFind<Traits>(mode, key, rc);
    if (!ok) {
        ok = mode == FindMode::kReset && storage::IsamSucceeded();
        return false;
    }
    Record read{};
    bool live = false;
    ok = register_detail::ReadRecord(Traits::File(), Traits::FileText(), rc, read, live);
    if (!ok || !live) {
        return false;
    }
    ConvertAfterRead(read);
    auto& buffer = Traits::Buffer();
    buffer.rec = read;
    buffer.rc = rc;
    notFound = false;
    Traits::AfterFind();
    return true;
}

namespace register_detail {

// Reports a failed store and undoes what it did: the unit (or, inside a
// run's unit, the record it added or rewrote).
template <typename Record>
bool FailStore(StoreUnit& unit, storage::FileBlock* file, std::string_view fileText, bool add,
               std::int32_t rc, const Record& old) {
    const KeptFailure failure;
    const bool undoneByEngine = storage::IsamErrorClass() != 1;
    unit.Cancel();
    if (add && unit.Joined() && !undoneByEngine && rc != 0) {
        storage::DeleteRec(file, rc);
    } else if (!add) {
        storage::PutRec(file, rc, &old);
    }
    failure.Restore();
    // Reported like any other store failure, so callers see its error class.
    ReportStorageFailure(fileText);
    return false;
}

}  // namespace register_detail

template <typename Traits>
bool SaveRecord(bool add, std::int32_t& rc) {
    using Record = typename Traits::Record;
    auto& buffer = Traits::Buffer();
    storage::FileBlock* file = Traits::File();
    const std::string fileText = Traits::FileText();
    Record& record = buffer.rec;

    if (add && Traits::Limit() > 0) {
        const std::int32_t used = storage::UsedRecs(file);
        if (!storage::IsamSucceeded()) {
            ReportStorageFailure(fileText);
            rc = 0;
            return false;
        }
        if (used >= Traits::Limit()) {
            SetMessageLine(Traits::LimitNotice());
            rc = 0;
            return false;
        }
    }

    Traits::PrepareForStore(record);
    ConvertBeforeWrite(record);
    Record old{};
    record.DataStatus = 0;
    if (!add) {
        bool live = false;
        if (!register_detail::ReadRecord(file, fileText, rc, old, live) || !live) {
            return false;
        }
    }
    StoreUnit unit(file);
    if (!unit.Started()) {
        ReportStorageFailure(fileText);
        if (add) {
            rc = 0;
        }
        return false;
    }
    const std::int32_t oldRc = rc;
    if (add) {
        rc = storage::AddRec(file, &record);
        if (!storage::IsamSucceeded()) {
            rc = 0;
            return register_detail::FailStore(unit, file, fileText, add, 0, old);
        }
        const Record added = record;
        Traits::AfterAdd(record, rc);
        Traits::BeforePut(record);
        // The record is rewritten only when storing it changed its bytes.
        if (std::memcmp(&added, &record, sizeof(Record)) != 0) {
            storage::PutRec(file, rc, &record);
        }
    } else {
        Traits::BeforePut(record);
        storage::PutRec(file, rc, &record);
    }
    std::vector<register_detail::KeyChange> plan;
    const std::vector<StoredKey> oldKeys = add ? std::vector<StoredKey>{} : Traits::Keys(old);
    if (!storage::IsamSucceeded() ||
        !register_detail::PlanKeyChanges(file, rc, oldKeys, Traits::Keys(record), plan) ||
        !register_detail::ApplyKeyChanges(file, rc, plan) || !unit.Commit()) {
        register_detail::FailStore(unit, file, fileText, add, rc, old);
        rc = add ? 0 : oldRc;
        return false;
    }
    buffer.rc = rc;
    if (add) {
        buffer.changed = true;
    }
    return true;
}

template <typename Traits>
bool RewriteRecord(std::int32_t rc) {
    using Record = typename Traits::Record;
    storage::FileBlock* file = Traits::File();
    const std::string fileText = Traits::FileText();
    Record old{};
    bool live = false;
    if (!register_detail::ReadRecord(file, fileText, rc, old, live) || !live) {
        return false;
    }
    Record& record = Traits::Buffer().rec;
    record.DataStatus = 0;
    ConvertBeforeWrite(record);
    storage::PutRec(file, rc, &record);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(fileText);
        return false;
    }
    return true;
}

template <typename Traits>
bool DeleteRecord(int mode, std::string_view key, std::int32_t rc, bool withRecord) {
    using Record = typename Traits::Record;
    storage::FileBlock* file = Traits::File();
    const std::string fileText = Traits::FileText();
    if (mode == FindMode::kByKey) {
        rc = storage::FindKey(file, Traits::kFindKey, Traits::KeyOfText(key));
        if (!storage::IsamSucceeded()) {
            register_detail::ReportUnlessNotFound(fileText);
            return false;
        }
    }
    Record read{};
    bool live = false;
    if (!register_detail::ReadRecord(file, fileText, rc, read, live) || !live) {
        return false;
    }
    // The key as it was stored, before any conversion of the text read.
    const std::vector<StoredKey> keys = Traits::Keys(read);
    const StoredKey* key1 = register_detail::KeyNumbered(keys, 1);
    ConvertAfterRead(read);
    if (key1 == nullptr || (withRecord && !Traits::MayDelete(read, rc))) {
        return false;
    }
    StoreUnit unit(file);
    if (unit.Started()) {
        storage::DeleteKey(file, 1, rc, key1->key);
    }
    if (storage::IsamSucceeded() && withRecord) {
        storage::DeleteRec(file, rc);
    }
    if (!storage::IsamSucceeded() || !unit.Commit()) {
        const std::string text = StorageFailureText(fileText);
        const register_detail::KeptFailure failure;
        unit.Cancel();
        SetMessageLine(text);
        failure.Restore();
        return false;
    }
    auto& buffer = Traits::Buffer();
    buffer.rec = read;
    if (!withRecord) {
        return true;
    }
    buffer.rc = 0;
    buffer.changed = true;
    Traits::AfterDelete(read);
    SetMessageLine(Traits::DeletionNotice(read));
    return true;
}

}  // namespace oltoma::ol
