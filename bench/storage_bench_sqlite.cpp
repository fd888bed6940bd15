#include "storage_bench_sqlite.h"

#include <sqlite3.h>
#include <unistd.h>

#include "sqlite_sync_counter.h"

namespace oltoma::bench {

const char* SqliteJournalName(SqliteJournal journal) {
    return journal == SqliteJournal::Wal ? "wal" : "rollback";
}

SqliteTable::SqliteTable(const std::string& directory, SqliteJournal journal)
    : path_(directory + "/records-" + SqliteJournalName(journal) + ".db"), journal_(journal) {}

SqliteTable::~SqliteTable() {
    Remove();
}

bool SqliteTable::Failed(const char* step) {
    failure_ = std::string("SQLite ") + step +
               " failed: " + (db_ != nullptr ? sqlite3_errmsg(db_) : "no database");
    return false;
}

bool SqliteTable::Execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK || Failed(sql);
}

bool SqliteTable::Prepare(const char* sql, sqlite3_stmt*& statement) {
    return sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) ==
               SQLITE_OK ||
           Failed(sql);
}

bool SqliteTable::Create() {
    Remove();
    const char* vfs = CountingVfsName();
    if (vfs == nullptr) {
        failure_ = "SQLite: the counting VFS could not be registered";
        return false;
    }
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfs) !=
        SQLITE_OK) {
        return Failed("open");
    }
    // The exclusive lock comes before WAL, so WAL keeps its index in the
    // process's memory instead of a shared-memory file.
    if (!Execute("PRAGMA locking_mode=EXCLUSIVE") ||
        !Execute(journal_ == SqliteJournal::Wal ? "PRAGMA journal_mode=WAL"
                                                : "PRAGMA journal_mode=DELETE") ||
        !Execute("PRAGMA synchronous=FULL")) {
        return false;
    }
    sqlite3_stmt* pageSize = nullptr;
    if (!Prepare("PRAGMA page_size", pageSize)) {
        return false;
    }
    const std::int64_t bytes =
        sqlite3_step(pageSize) == SQLITE_ROW ? sqlite3_column_int64(pageSize, 0) : 4096;
    sqlite3_finalize(pageSize);
    const std::string cache = "PRAGMA cache_size=" + std::to_string(kEngineCacheBytes / bytes);
    return Execute(cache.c_str()) &&
           Execute(
               "CREATE TABLE records(k TEXT PRIMARY KEY, n INTEGER NOT NULL, "
               "v BLOB NOT NULL) WITHOUT ROWID") &&
           Prepare("INSERT INTO records(k, n, v) VALUES(?1, ?2, ?3)", insert_) &&
           Prepare("SELECT n FROM records WHERE k = ?1", find_) &&
           Prepare("SELECT k, n FROM records ORDER BY k", scan_) &&
           Prepare("SELECT k, n, v FROM records ORDER BY k", scanRecords_);
}

bool SqliteTable::Insert(const DataSet& data, std::size_t i) {
    const std::string_view key = data.Key(i);
    sqlite3_bind_text(insert_, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_int64(insert_, 2, static_cast<sqlite3_int64>(i + 1));
    sqlite3_bind_blob(insert_, 3, data.Record(i), static_cast<int>(kRecordLength), SQLITE_STATIC);
    const int result = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    return result == SQLITE_DONE || Failed("INSERT");
}

bool SqliteTable::InsertBatch(const DataSet& data, std::size_t first, std::size_t count) {
    if (!Execute("BEGIN")) {
        return false;
    }
    for (std::size_t i = first; i < first + count; ++i) {
        if (!Insert(data, i)) {
            return false;
        }
    }
    return Execute("COMMIT");
}

std::int32_t SqliteTable::Find(std::string_view key) {
    sqlite3_bind_text(find_, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    std::int32_t number = 0;
    if (sqlite3_step(find_) == SQLITE_ROW) {
        number = sqlite3_column_int(find_, 0);
    }
    sqlite3_reset(find_);
    return number;
}

bool SqliteTable::Scan(bool withRecords, Checksum& sum) {
    sqlite3_stmt* statement = withRecords ? scanRecords_ : scan_;
    int result = SQLITE_OK;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        const int keyBytes = sqlite3_column_bytes(statement, 0);
        sum.AddEntry(std::string_view(key, static_cast<std::size_t>(keyBytes)),
                     sqlite3_column_int(statement, 1));
        if (withRecords) {
            const void* record = sqlite3_column_blob(statement, 2);
            sum.AddBytes(record, static_cast<std::size_t>(sqlite3_column_bytes(statement, 2)));
        }
    }
    sqlite3_reset(statement);
    return result == SQLITE_DONE || Failed("SELECT ... ORDER BY k");
}

std::int64_t SqliteTable::Count() {
    sqlite3_stmt* count = nullptr;
    if (!Prepare("SELECT count(*) FROM records", count)) {
        return -1;
    }
    const std::int64_t rows =
        sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : -1;
    sqlite3_finalize(count);
    return rows;
}

void SqliteTable::Close() {
    for (sqlite3_stmt** statement : {&insert_, &find_, &scan_, &scanRecords_}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    if (db_ != nullptr) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

void SqliteTable::Remove() {
    Close();
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        ::unlink((path_ + suffix).c_str());
    }
}

}  // namespace oltoma::bench
