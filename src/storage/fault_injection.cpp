// The fault-injecting operating-system calls of the test variant of the
// storage library (see file_syscalls.h and fault_injection.h).
//
// What a machine crash would lose is remembered until it is on the disk:
// for every file (by device and inode, so that closing, renaming or deleting
// it changes nothing) the bytes each unsynced write or truncation replaced,
// reachable through a descriptor of our own; for every folder change
// (creation, rename, deletion) not yet made durable by syncing its folders,
// how to take it back, with a hard link beside the file a rename replaced or
// a deletion removed.
#include "storage/fault_injection.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/process_state.h"
#include "storage/internal/file_syscalls.h"

namespace oltoma::storage {
namespace {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// What one write or truncation replaced.
struct Undo {
    off_t oldSize = 0;
    off_t offset = 0;
    std::vector<char> oldBytes;  // the bytes at offset that existed before
};

struct TrackedFile {
    FileId id;
    int keeper = -1;  // our own descriptor of the file
    std::vector<Undo> undo;
};

struct FolderChange {
    enum class Kind { CreateFile, CreateFolder, Rename, Unlink, RemoveFolder };
    Kind kind = Kind::CreateFile;
    std::string path;    // the entry made or removed; the old name of a rename
    std::string target;  // the new name of a rename
    std::string kept;    // hard link to the file a rename replaced or a deletion removed
    std::vector<FileId> folders;
    std::vector<bool> synced;
};

struct FaultState {
    long writes = 0;
    long flushes = 0;
    long failWrite = 0;
    int failWriteErrno = EIO;
    long failFlush = 0;
    long failFlushes = 0;
    long crashWrite = 0;
    long crashFlush = 0;
    fault::CrashKind crashKind = fault::CrashKind::KeepWrites;
    bool crashed = false;
    bool skipSyncs = false;
    std::vector<TrackedFile> files;
    std::vector<FolderChange> changes;
    std::vector<std::string> createdAfterCrash;
};

FaultState& State() {
    static FaultState state;
    return state;
}

[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&fault::Reset);

off_t SizeOf(int descriptor) {
    struct stat info {};
    return ::fstat(descriptor, &info) == 0 ? info.st_size : 0;
}

FileId IdOf(int descriptor) {
    struct stat info {};
    ::fstat(descriptor, &info);
    return FileId{info.st_dev, info.st_ino};
}

bool Exists(const char* path) {
    struct stat info {};
    return ::lstat(path, &info) == 0;
}

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileId FolderId(const std::string& folder) {
    struct stat info {};
    ::stat(folder.c_str(), &info);
    return FileId{info.st_dev, info.st_ino};
}

TrackedFile& Tracked(int descriptor) {
    auto& files = State().files;
    const FileId id = IdOf(descriptor);
    for (TrackedFile& file : files) {
        if (file.id == id) {
            return file;
        }
    }
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
    TrackedFile file;
    file.id = id;
    file.keeper = ::open(self.c_str(), O_RDWR | O_CLOEXEC);
    files.push_back(std::move(file));
    return files.back();
}

// Remembers the bytes of [offset, end) and the size before a change.
void RememberRange(int descriptor, off_t offset, off_t end) {
    Undo undo;
    undo.oldSize = SizeOf(descriptor);
    undo.offset = offset;
    const off_t last = end < undo.oldSize ? end : undo.oldSize;
    if (last > offset) {
        undo.oldBytes.resize(static_cast<std::size_t>(last - offset));
        const ssize_t got = ::pread(descriptor, undo.oldBytes.data(), undo.oldBytes.size(), offset);
        undo.oldBytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    Tracked(descriptor).undo.push_back(std::move(undo));
}

void ForgetFile(const FileId& id) {
    auto& files = State().files;
    for (auto file = files.begin(); file != files.end(); ++file) {
        if (file->id == id) {
            if (file->keeper >= 0) {
                ::close(file->keeper);
            }
            files.erase(file);
            return;
        }
    }
}

// The folder of this process's kept links, removed when the process ends.
const std::string& KeptFolder() {
    struct Folder {
        std::string name = "/tmp/oltoma-fault-kept-" + std::to_string(::getpid());
        Folder() { ::mkdir(name.c_str(), 0700); }
        ~Folder() {
            std::error_code error;
            std::filesystem::remove_all(name, error);
        }
    };
    static const Folder folder;
    return folder.name;
}

// A hard link to `path`, so that a rename over it or its deletion can be
// taken back; "" when there is no file to keep. The links go to a folder of
// their own in the temporary folder, out of the way of folder listings, or
// beside the file when that folder is on another file system.
std::string KeepFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    static long counter = 0;
    const std::string name =
        "fault-kept-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    const std::string& folder = KeptFolder();
    const std::string aside = folder + "/" + name;
    if (::link(path.c_str(), aside.c_str()) == 0) {
        return aside;
    }
    const std::string beside = FolderOf(path) + "/." + name;
    return ::link(path.c_str(), beside.c_str()) == 0 ? beside : std::string();
}

FolderChange Change(FolderChange::Kind kind, std::string path, std::string target = {},
                    std::string kept = {}) {
    FolderChange change;
    change.kind = kind;
    change.path = std::move(path);
    change.target = std::move(target);
    change.kept = std::move(kept);
    return change;
}

void RecordChange(FolderChange change) {
    std::vector<std::string> folders = {FolderOf(change.path)};
    if (!change.target.empty() && FolderOf(change.target) != folders.front()) {
        folders.push_back(FolderOf(change.target));
    }
    for (const std::string& folder : folders) {
        change.folders.push_back(FolderId(folder));
        change.synced.push_back(false);
    }
    State().changes.push_back(std::move(change));
}

void DropKept(const FolderChange& change) {
    if (!change.kept.empty()) {
        ::unlink(change.kept.c_str());
    }
}

// A folder sync makes the changes durable whose folders are all synced.
void FolderSynced(const FileId& folder) {
    auto& changes = State().changes;
    for (FolderChange& change : changes) {
        for (std::size_t i = 0; i < change.folders.size(); ++i) {
            if (change.folders[i] == folder) {
                change.synced[i] = true;
            }
        }
    }
    std::erase_if(changes, [](const FolderChange& change) {
        const bool durable = std::all_of(change.synced.begin(), change.synced.end(),
                                         [](bool synced) { return synced; });
        if (durable) {
            DropKept(change);
        }
        return durable;
    });
}

void TakeBack(const FolderChange& change) {
    std::error_code error;
    switch (change.kind) {
        case FolderChange::Kind::CreateFile:
            ::unlink(change.path.c_str());
            break;
        case FolderChange::Kind::CreateFolder:
            std::filesystem::remove_all(change.path, error);
            break;
        case FolderChange::Kind::Rename:
            ::rename(change.target.c_str(), change.path.c_str());
            if (!change.kept.empty()) {
                ::rename(change.kept.c_str(), change.target.c_str());
            }
            break;
        case FolderChange::Kind::Unlink:
            if (!change.kept.empty()) {
                ::rename(change.kept.c_str(), change.path.c_str());
            }
            break;
        case FolderChange::Kind::RemoveFolder:
            ::mkdir(change.path.c_str(), 0777);
            break;
    }
}

void TakeBack(TrackedFile& file, bool zeroAppends) {
    if (file.keeper < 0) {
        return;
    }
    const off_t crashedSize = SizeOf(file.keeper);
    for (auto undo = file.undo.rbegin(); undo != file.undo.rend(); ++undo) {
        if (::ftruncate(file.keeper, undo->oldSize) != 0 ||
            (!undo->oldBytes.empty() && ::pwrite(file.keeper, undo->oldBytes.data(),
                                                 undo->oldBytes.size(), undo->offset) < 0)) {
            break;
        }
    }
    if (zeroAppends && crashedSize > SizeOf(file.keeper)) {
        static_cast<void>(::ftruncate(file.keeper, crashedSize));
    }
}

// Forgets what a crash could lose (it is kept, or already lost).
void ForgetAll() {
    FaultState& state = State();
    for (TrackedFile& file : state.files) {
        if (file.keeper >= 0) {
            ::close(file.keeper);
        }
    }
    state.files.clear();
    for (const FolderChange& change : state.changes) {
        DropKept(change);
    }
    state.changes.clear();
}

void Crash() {
    FaultState& state = State();
    if (state.crashKind != fault::CrashKind::KeepWrites) {
        for (auto change = state.changes.rbegin(); change != state.changes.rend(); ++change) {
            TakeBack(*change);
        }
        state.changes.clear();
        const bool zeroAppends = state.crashKind == fault::CrashKind::ZeroUnsyncedAppends;
        for (TrackedFile& file : state.files) {
            TakeBack(file, zeroAppends);
        }
    }
    ForgetAll();
    state.crashed = true;
}

enum class Go { Ahead, Drop, Fail };

// Counts a write; a failing one sets errno.
Go CountWrite() {
    FaultState& state = State();
    if (state.crashed) {
        return Go::Drop;
    }
    ++state.writes;
    if (state.writes == state.failWrite) {
        errno = state.failWriteErrno;
        return Go::Fail;
    }
    if (state.writes == state.crashWrite) {
        Crash();
        return Go::Drop;
    }
    return Go::Ahead;
}

// Counts a flush; Ahead when it is to reach the disk.
Go CountFlush() {
    FaultState& state = State();
    if (state.crashed) {
        return Go::Drop;
    }
    ++state.flushes;
    if (state.flushes == state.crashFlush) {
        Crash();
        return Go::Drop;
    }
    if (state.flushes >= state.failFlush && state.flushes < state.failFlush + state.failFlushes) {
        errno = EIO;
        return Go::Fail;
    }
    return Go::Ahead;
}

}  // namespace

namespace fault {

void Reset() {
    ForgetAll();
    State() = FaultState{};
}
void SkipSyncs(bool skip) {
    State().skipSyncs = skip;
}
void FailWriteAt(long n, int errnoValue) {
    State().failWrite = State().writes + n;
    State().failWriteErrno = errnoValue;
}
void FailFlushAt(long n, long count) {
    State().failFlush = State().flushes + n;
    State().failFlushes = count;
}

void CrashAtWrite(long n, CrashKind kind) {
    State().crashWrite = State().writes + n;
    State().crashKind = kind;
}

void CrashAtFlush(long n, CrashKind kind) {
    State().crashFlush = State().flushes + n;
    State().crashKind = kind;
}

bool Crashed() {
    return State().crashed;
}

void Restart() {
    FaultState& state = State();
    std::error_code error;
    for (auto made = state.createdAfterCrash.rbegin(); made != state.createdAfterCrash.rend();
         ++made) {
        std::filesystem::remove_all(*made, error);
    }
    state.createdAfterCrash.clear();
    ForgetAll();
    state.crashed = false;
    state.crashWrite = 0;
    state.crashFlush = 0;
    state.failWrite = 0;
    state.failFlush = 0;
    state.failFlushes = 0;
}

long Writes() {
    return State().writes;
}
long Flushes() {
    return State().flushes;
}

}  // namespace fault

namespace sys {

int Open(const char* path, int flags, mode_t mode) {
    if ((flags & O_CREAT) == 0 || Exists(path)) {
        return ::open(path, flags, mode);
    }
    const Go go = CountWrite();
    if (go == Go::Fail) {
        return -1;
    }
    const int descriptor = ::open(path, flags, mode);
    if (descriptor >= 0) {
        if (go == Go::Drop) {
            State().createdAfterCrash.emplace_back(path);
        } else {
            RecordChange(Change(FolderChange::Kind::CreateFile, path));
        }
    }
    return descriptor;
}

int Close(int fd) {
    return ::close(fd);
}

ssize_t Pread(int fd, void* buffer, size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}

ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    const Go go = CountWrite();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : static_cast<ssize_t>(count);
    }
    RememberRange(fd, offset, offset + static_cast<off_t>(count));
    return ::pwrite(fd, buffer, count, offset);
}

int Ftruncate(int fd, off_t length) {
    const Go go = CountWrite();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    const off_t size = SizeOf(fd);
    RememberRange(fd, length < size ? length : size, size);
    return ::ftruncate(fd, length);
}

int Fdatasync(int fd) {
    const Go go = CountFlush();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    ForgetFile(IdOf(fd));
    return State().skipSyncs ? 0 : ::fdatasync(fd);
}

int Unlink(const char* path) {
    const Go go = CountWrite();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    const std::string kept = KeepFile(path);
    if (::unlink(path) != 0) {
        const int error = errno;
        DropKept(Change(FolderChange::Kind::Unlink, path, "", kept));
        errno = error;
        return -1;
    }
    RecordChange(Change(FolderChange::Kind::Unlink, path, "", kept));
    return 0;
}

int Rename(const char* from, const char* to) {
    const Go go = CountWrite();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    const std::string kept = KeepFile(to);
    if (::rename(from, to) != 0) {
        const int error = errno;
        DropKept(Change(FolderChange::Kind::Rename, from, to, kept));
        errno = error;
        return -1;
    }
    RecordChange(Change(FolderChange::Kind::Rename, from, to, kept));
    return 0;
}

int Mkdir(const char* path, mode_t mode) {
    const Go go = CountWrite();
    if (go == Go::Fail) {
        return -1;
    }
    if (::mkdir(path, mode) != 0) {
        return -1;
    }
    if (go == Go::Drop) {
        State().createdAfterCrash.emplace_back(path);
    } else {
        RecordChange(Change(FolderChange::Kind::CreateFolder, path));
    }
    return 0;
}

int Rmdir(const char* path) {
    const Go go = CountWrite();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    if (::rmdir(path) != 0) {
        return -1;
    }
    RecordChange(Change(FolderChange::Kind::RemoveFolder, path));
    return 0;
}

int SyncDirectory(const char* path) {
    const Go go = CountFlush();
    if (go != Go::Ahead) {
        return go == Go::Fail ? -1 : 0;
    }
    FolderSynced(FolderId(path));
    return State().skipSyncs ? 0 : SyncFolderNow(path);
}

}  // namespace sys

}  // namespace oltoma::storage
