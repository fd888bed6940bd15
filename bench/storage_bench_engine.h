// The storage engine's side of the benchmark: one fileblock of the data set's
// records with one index (key length 20, no duplicates), reached through the
// access layer exactly as the program reaches it (journal mode, the start-up
// page cache of 200 buffers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/isam_types.h"
#include "storage_bench_data.h"

namespace oltoma::bench {

// Starts the engine as the program does at start-up; false with `error` set.
bool StartEngine(std::string& error);
void StopEngine();

// Syncs made by the engine's flush primitive so far.
std::uint64_t EngineSyncs();
// Syncs the engine waited for one after the other so far (the data and index
// files synced side by side count one).
std::uint64_t EngineSyncWaits();

class EngineTable {
public:
    explicit EngineTable(const std::string& directory);
    ~EngineTable();
    EngineTable(const EngineTable&) = delete;
    EngineTable& operator=(const EngineTable&) = delete;

    // Creates the fileblock afresh and opens it.
    bool Create();
    // AddRec of entry i's record, then AddKey of its key; each commits durably.
    bool Insert(const DataSet& data, std::size_t i);
    // AddRec and AddKey of entries first..first+count-1, all in one store
    // unit that commits durably at its end.
    bool InsertBatch(const DataSet& data, std::size_t first, std::size_t count);
    // FindKey; the record number, 0 when not found or failed.
    std::int32_t Find(std::string_view key);
    // A full NextKey scan from ClearKey: key and record number of each entry,
    // with `withRecords` each record read by GetRec as well.
    bool Scan(bool withRecords, Checksum& sum);
    // UsedRecs: the records in the fileblock.
    std::int64_t Count();
    // Closes the fileblock and deletes its files.
    void Remove();

    const std::string& Failure() const { return failure_; }

private:
    bool Failed(const char* step);

    std::string name_;
    storage::FileBlock* block_ = nullptr;
    std::string failure_;
};

}  // namespace oltoma::bench
