// The fault-injecting operating-system calls of the test variant of the
// storage library (see file_syscalls.h and fault_injection.h).
#include "storage/fault_injection.h"

#include <cerrno>
#include <vector>

#include "platform/process_state.h"
#include "storage/internal/file_syscalls.h"

namespace oltoma::storage {
namespace {

// What a write changed, so that a machine crash can take it back.
struct Undo {
    int descriptor = -1;
    off_t oldSize = 0;
    off_t offset = 0;
    std::vector<char> oldBytes;  // the bytes at offset that existed before
};

struct FaultState {
    long writes = 0;
    long flushes = 0;
    long failWrite = 0;
    long failFlush = 0;
    long failFlushes = 0;
    long crashWrite = 0;
    fault::CrashKind crashKind = fault::CrashKind::KeepWrites;
    bool crashed = false;
    bool skipSyncs = false;
    std::vector<Undo> unsynced;
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

// Remembers the bytes of [offset, end) that exist before a change.
void RememberRange(int descriptor, off_t offset, off_t end) {
    Undo undo;
    undo.descriptor = descriptor;
    undo.oldSize = SizeOf(descriptor);
    undo.offset = offset;
    const off_t last = end < undo.oldSize ? end : undo.oldSize;
    if (last > offset) {
        undo.oldBytes.resize(static_cast<std::size_t>(last - offset));
        const ssize_t got = ::pread(descriptor, undo.oldBytes.data(), undo.oldBytes.size(), offset);
        undo.oldBytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    State().unsynced.push_back(std::move(undo));
}

void ForgetUnsynced(int descriptor) {
    auto& unsynced = State().unsynced;
    std::erase_if(unsynced, [&](const Undo& undo) { return undo.descriptor == descriptor; });
}

void Crash() {
    FaultState& state = State();
    if (state.crashKind == fault::CrashKind::LoseUnsynced) {
        for (auto undo = state.unsynced.rbegin(); undo != state.unsynced.rend(); ++undo) {
            if (::ftruncate(undo->descriptor, undo->oldSize) != 0 ||
                (!undo->oldBytes.empty() && ::pwrite(undo->descriptor, undo->oldBytes.data(),
                                                     undo->oldBytes.size(), undo->offset) < 0)) {
                break;
            }
        }
    }
    state.unsynced.clear();
    state.crashed = true;
}

// Counts a write; returns 1 when it goes ahead, 0 when it is dropped, -1
// when it fails.
int CountWrite(int descriptor, off_t offset, off_t end) {
    FaultState& state = State();
    if (state.crashed) {
        return 0;
    }
    ++state.writes;
    if (state.writes == state.failWrite) {
        errno = EIO;
        return -1;
    }
    if (state.writes == state.crashWrite) {
        Crash();
        return 0;
    }
    RememberRange(descriptor, offset, end);
    return 1;
}

}  // namespace

namespace fault {

void Reset() {
    State() = FaultState{};
}
void SkipSyncs(bool skip) {
    State().skipSyncs = skip;
}
void FailWriteAt(long n) {
    State().failWrite = State().writes + n;
}
void FailFlushAt(long n, long count) {
    State().failFlush = State().flushes + n;
    State().failFlushes = count;
}

void CrashAtWrite(long n, CrashKind kind) {
    State().crashWrite = State().writes + n;
    State().crashKind = kind;
}

bool Crashed() {
    return State().crashed;
}

void Restart() {
    FaultState& state = State();
    state.crashed = false;
    state.crashWrite = 0;
    state.failWrite = 0;
    state.failFlush = 0;
    state.failFlushes = 0;
    state.unsynced.clear();
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
    return ::open(path, flags, mode);
}

int Close(int fd) {
    ForgetUnsynced(fd);
    return ::close(fd);
}

ssize_t Pread(int fd, void* buffer, size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}

ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    const int go = CountWrite(fd, offset, offset + static_cast<off_t>(count));
    if (go <= 0) {
        return go < 0 ? -1 : static_cast<ssize_t>(count);
    }
    return ::pwrite(fd, buffer, count, offset);
}

int Ftruncate(int fd, off_t length) {
    const off_t size = SizeOf(fd);
    const int go = CountWrite(fd, length < size ? length : size, size);
    if (go <= 0) {
        return go;
    }
    return ::ftruncate(fd, length);
}

int Fdatasync(int fd) {
    FaultState& state = State();
    if (state.crashed) {
        return 0;
    }
    ++state.flushes;
    if (state.flushes >= state.failFlush && state.flushes < state.failFlush + state.failFlushes) {
        errno = EIO;
        return -1;
    }
    ForgetUnsynced(fd);
    return state.skipSyncs ? 0 : ::fdatasync(fd);
}

int Unlink(const char* path) {
    return State().crashed ? 0 : ::unlink(path);
}

int Rename(const char* from, const char* to) {
    return State().crashed ? 0 : ::rename(from, to);
}

}  // namespace sys

}  // namespace oltoma::storage
