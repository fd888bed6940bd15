// SQLite 3's side of the benchmark, set up as a single-user keyed store: a
// WITHOUT ROWID table with a TEXT primary key, prepared statements,
// locking_mode=EXCLUSIVE, synchronous=FULL and a page cache of the same bytes
// as the engine's 200 page buffers.
//
//   records(k TEXT PRIMARY KEY, n INTEGER NOT NULL, v BLOB NOT NULL)
//
// k is the key, n the record number the engine would give the entry (its
// place in the insertion order + 1), v the 100-byte record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage_bench_data.h"

struct sqlite3;
struct sqlite3_stmt;

namespace oltoma::bench {

enum class SqliteJournal { Rollback, Wal };

const char* SqliteJournalName(SqliteJournal journal);

// The engine's page cache in bytes: 200 buffers of 2440 bytes.
inline constexpr std::int64_t kEngineCacheBytes = 200 * 2440;

class SqliteTable {
public:
    SqliteTable(const std::string& directory, SqliteJournal journal);
    ~SqliteTable();
    SqliteTable(const SqliteTable&) = delete;
    SqliteTable& operator=(const SqliteTable&) = delete;

    // Creates the database afresh (removing any old files) and prepares the
    // statements.
    bool Create();
    // One INSERT of entry i in autocommit mode: its own durable transaction.
    bool Insert(const DataSet& data, std::size_t i);
    // Inserts entries first..first+count-1 in one durable transaction.
    bool InsertBatch(const DataSet& data, std::size_t first, std::size_t count);
    // Inserts entries 0..count-1 in one transaction (building a read set).
    bool InsertAll(const DataSet& data, std::size_t count) { return InsertBatch(data, 0, count); }
    // The point SELECT of n by k; 0 when not found or failed.
    std::int32_t Find(std::string_view key);
    // SELECT ... ORDER BY k: key and n of each row, with `withRecords` also v.
    bool Scan(bool withRecords, Checksum& sum);
    // The rows of the table; -1 when the count failed.
    std::int64_t Count();
    // Closes the database and removes its files.
    void Remove();

    const std::string& Failure() const { return failure_; }

private:
    bool Execute(const char* sql);
    bool Prepare(const char* sql, sqlite3_stmt*& statement);
    bool Failed(const char* step);
    void Close();

    std::string path_;
    SqliteJournal journal_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    sqlite3_stmt* find_ = nullptr;
    sqlite3_stmt* scan_ = nullptr;
    sqlite3_stmt* scanRecords_ = nullptr;
    std::string failure_;
};

}  // namespace oltoma::bench
