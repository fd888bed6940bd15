#include "storage_bench_engine.h"

#include <span>

#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"
#include "storage/storage_start.h"

namespace oltoma::bench {

bool StartEngine(std::string& error) {
    const std::vector<std::string> noParameters;
    if (!storage::InitStorageEngine(noParameters, error)) {
        return false;
    }
    return true;
}

void StopEngine() {
    storage::ExitIsam();
}

std::uint64_t EngineSyncs() {
    return storage::FlushCount();
}

std::uint64_t EngineSyncWaits() {
    return storage::FlushWaitCount();
}

EngineTable::EngineTable(const std::string& directory) : name_(directory + "/RECORDS") {}

EngineTable::~EngineTable() {
    Remove();
}

bool EngineTable::Failed(const char* step) {
    failure_ =
        std::string("engine ") + step + " failed with " + std::to_string(storage::IsamError());
    return false;
}

bool EngineTable::Create() {
    Remove();
    const storage::IndexDescriptor key{static_cast<int>(kKeyLength), false};
    storage::CreateFileBlock(name_, static_cast<std::int32_t>(kRecordLength), 1,
                             std::span(&key, 1));
    if (!storage::IsamSucceeded()) {
        return Failed("CreateFileBlock");
    }
    storage::OpenFileBlock(block_, name_);
    return storage::IsamSucceeded() || Failed("OpenFileBlock");
}

// A record and its key as one store unit, as the data layer stores them.
bool EngineTable::Insert(const DataSet& data, std::size_t i) {
    return InsertBatch(data, i, 1);
}

bool EngineTable::InsertBatch(const DataSet& data, std::size_t first, std::size_t count) {
    storage::BeginStoreUnit(block_);
    if (!storage::IsamSucceeded()) {
        return Failed("BeginStoreUnit");
    }
    for (std::size_t i = first; i < first + count; ++i) {
        const std::int32_t record = storage::AddRec(block_, data.Record(i));
        if (!storage::IsamSucceeded()) {
            storage::CancelStoreUnit(block_);
            return Failed("AddRec");
        }
        storage::AddKey(block_, 1, record, data.Key(i));
        if (!storage::IsamSucceeded()) {
            storage::CancelStoreUnit(block_);
            return Failed("AddKey");
        }
    }
    return storage::CommitStoreUnit(block_) || Failed("CommitStoreUnit");
}

std::int32_t EngineTable::Find(std::string_view key) {
    return storage::FindKey(block_, 1, key);
}

bool EngineTable::Scan(bool withRecords, Checksum& sum) {
    storage::ClearKey(block_, 1);
    storage::IsamKeyStr key;
    std::int32_t record = 0;
    std::uint8_t contents[kRecordLength];
    for (;;) {
        storage::NextKey(block_, 1, key, record);
        if (!storage::IsamSucceeded()) {
            break;
        }
        sum.AddEntry(key.view(), record);
        if (withRecords) {
            storage::GetRec(block_, record, contents);
            if (!storage::IsamSucceeded()) {
                return Failed("GetRec");
            }
            sum.AddBytes(contents, sizeof contents);
        }
    }
    return storage::IsamError() == storage::IsamCode::kNoNextKey || Failed("NextKey");
}

std::int64_t EngineTable::Count() {
    return storage::UsedRecs(block_);
}

void EngineTable::Remove() {
    if (block_ != nullptr) {
        storage::CloseFileBlock(block_);
        block_ = nullptr;
    }
    storage::DeleteFileBlock(name_);
}

}  // namespace oltoma::bench
