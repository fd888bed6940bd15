#include "sqlite_sync_counter.h"

#include <sqlite3.h>

namespace oltoma::bench {
namespace {

// Our file: SQLite allocates szOsFile bytes; the default VFS's file follows
// this header.
struct CountingFile {
    sqlite3_file base;
    sqlite3_file* real;
};

SqliteFileCalls counted;
sqlite3_vfs* defaultVfs = nullptr;
sqlite3_vfs countingVfs;

sqlite3_file* Real(sqlite3_file* file) {
    return reinterpret_cast<CountingFile*>(file)->real;
}

const sqlite3_io_methods* Methods(sqlite3_file* file) {
    return Real(file)->pMethods;
}

int Close(sqlite3_file* file) {
    return Methods(file)->xClose(Real(file));
}
int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    ++counted.reads;
    return Methods(file)->xRead(Real(file), buffer, amount, offset);
}
int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    ++counted.writes;
    return Methods(file)->xWrite(Real(file), buffer, amount, offset);
}
int Truncate(sqlite3_file* file, sqlite3_int64 size) {
    ++counted.truncates;
    return Methods(file)->xTruncate(Real(file), size);
}
int Sync(sqlite3_file* file, int flags) {
    ++counted.syncs;
    return Methods(file)->xSync(Real(file), flags);
}
int FileSize(sqlite3_file* file, sqlite3_int64* size) {
    return Methods(file)->xFileSize(Real(file), size);
}
int Lock(sqlite3_file* file, int level) {
    return Methods(file)->xLock(Real(file), level);
}
int Unlock(sqlite3_file* file, int level) {
    return Methods(file)->xUnlock(Real(file), level);
}
int CheckReservedLock(sqlite3_file* file, int* reserved) {
    return Methods(file)->xCheckReservedLock(Real(file), reserved);
}
int FileControl(sqlite3_file* file, int operation, void* argument) {
    return Methods(file)->xFileControl(Real(file), operation, argument);
}
int SectorSize(sqlite3_file* file) {
    return Methods(file)->xSectorSize(Real(file));
}
int DeviceCharacteristics(sqlite3_file* file) {
    return Methods(file)->xDeviceCharacteristics(Real(file));
}
int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
    return Methods(file)->xShmMap(Real(file), region, size, extend, memory);
}
int ShmLock(sqlite3_file* file, int offset, int count, int flags) {
    return Methods(file)->xShmLock(Real(file), offset, count, flags);
}
void ShmBarrier(sqlite3_file* file) {
    Methods(file)->xShmBarrier(Real(file));
}
int ShmUnmap(sqlite3_file* file, int deleteFlag) {
    return Methods(file)->xShmUnmap(Real(file), deleteFlag);
}
int Fetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer) {
    return Methods(file)->xFetch(Real(file), offset, amount, pointer);
}
int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer) {
    return Methods(file)->xUnfetch(Real(file), offset, pointer);
}

// Forwarding methods of version 3; a file of the default VFS offers them all.
const sqlite3_io_methods kMethods = {
    3,
    Close,
    Read,
    Write,
    Truncate,
    Sync,
    FileSize,
    Lock,
    Unlock,
    CheckReservedLock,
    FileControl,
    SectorSize,
    DeviceCharacteristics,
    ShmMap,
    ShmLock,
    ShmBarrier,
    ShmUnmap,
    Fetch,
    Unfetch,
};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* counting = reinterpret_cast<CountingFile*>(file);
    counting->base.pMethods = nullptr;
    counting->real = reinterpret_cast<sqlite3_file*>(counting + 1);
    const int result = defaultVfs->xOpen(defaultVfs, name, counting->real, flags, outFlags);
    if (counting->real->pMethods != nullptr) {
        counting->base.pMethods = &kMethods;
    }
    return result;
}

// Every call that is not about an open file goes straight to the default VFS.
int Delete(sqlite3_vfs*, const char* name, int syncDirectory) {
    if (syncDirectory != 0) {
        ++counted.syncs;
    }
    return defaultVfs->xDelete(defaultVfs, name, syncDirectory);
}
int Access(sqlite3_vfs*, const char* name, int flags, int* result) {
    return defaultVfs->xAccess(defaultVfs, name, flags, result);
}
int FullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return defaultVfs->xFullPathname(defaultVfs, name, size, out);
}
void* DlOpen(sqlite3_vfs*, const char* name) {
    return defaultVfs->xDlOpen(defaultVfs, name);
}
void DlError(sqlite3_vfs*, int size, char* message) {
    defaultVfs->xDlError(defaultVfs, size, message);
}
void (*DlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
    return defaultVfs->xDlSym(defaultVfs, library, symbol);
}
void DlClose(sqlite3_vfs*, void* library) {
    defaultVfs->xDlClose(defaultVfs, library);
}
int Randomness(sqlite3_vfs*, int size, char* out) {
    return defaultVfs->xRandomness(defaultVfs, size, out);
}
int Sleep(sqlite3_vfs*, int microseconds) {
    return defaultVfs->xSleep(defaultVfs, microseconds);
}
int CurrentTime(sqlite3_vfs*, double* now) {
    return defaultVfs->xCurrentTime(defaultVfs, now);
}
int GetLastError(sqlite3_vfs*, int size, char* out) {
    return defaultVfs->xGetLastError != nullptr ? defaultVfs->xGetLastError(defaultVfs, size, out)
                                                : 0;
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
    return defaultVfs->xCurrentTimeInt64(defaultVfs, now);
}

bool Register() {
    defaultVfs = sqlite3_vfs_find(nullptr);
    if (defaultVfs == nullptr || defaultVfs->iVersion < 2) {
        return false;
    }
    countingVfs = sqlite3_vfs{};
    countingVfs.iVersion = 2;
    countingVfs.szOsFile = static_cast<int>(sizeof(CountingFile)) + defaultVfs->szOsFile;
    countingVfs.mxPathname = defaultVfs->mxPathname;
    countingVfs.zName = "oltoma-counting";
    countingVfs.xOpen = Open;
    countingVfs.xDelete = Delete;
    countingVfs.xAccess = Access;
    countingVfs.xFullPathname = FullPathname;
    countingVfs.xDlOpen = DlOpen;
    countingVfs.xDlError = DlError;
    countingVfs.xDlSym = DlSym;
    countingVfs.xDlClose = DlClose;
    countingVfs.xRandomness = Randomness;
    countingVfs.xSleep = Sleep;
    countingVfs.xCurrentTime = CurrentTime;
    countingVfs.xGetLastError = GetLastError;
    countingVfs.xCurrentTimeInt64 = CurrentTimeInt64;
    return sqlite3_vfs_register(&countingVfs, 0) == SQLITE_OK;
}

}  // namespace

const char* CountingVfsName() {
    static const bool registered = Register();
    return registered ? countingVfs.zName : nullptr;
}

SqliteFileCalls CountedSqliteCalls() {
    return counted;
}

}  // namespace oltoma::bench
