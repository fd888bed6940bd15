// The operating-system calls under the file primitives. The program calls
// them directly; the fault-injection variant of the library built for tests
// (OLTOMA_STORAGE_FAULT_SEAM) routes them through fault_injection.cpp, which
// can fail or drop the n-th write or flush and undo what a crash loses.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace oltoma::storage::sys {

// Forces a folder's entries to the disk: fsync of the folder itself.
inline int SyncFolderNow(const char* path) {
    const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return -1;
    }
    const int result = ::fsync(folder);
    const int error = errno;
    ::close(folder);
    errno = error;
    return result;
}

#ifdef OLTOMA_STORAGE_FAULT_SEAM
int Open(const char* path, int flags, mode_t mode);
int Close(int fd);
ssize_t Pread(int fd, void* buffer, size_t count, off_t offset);
ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset);
int Ftruncate(int fd, off_t length);
int Fdatasync(int fd);
int Unlink(const char* path);
int Rename(const char* from, const char* to);
int Mkdir(const char* path, mode_t mode);
int Rmdir(const char* path);
int SyncDirectory(const char* path);
#else
inline int Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
inline int Close(int fd) {
    return ::close(fd);
}
inline ssize_t Pread(int fd, void* buffer, size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}
inline ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    return ::pwrite(fd, buffer, count, offset);
}
inline int Ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}
inline int Fdatasync(int fd) {
    return ::fdatasync(fd);
}
inline int Unlink(const char* path) {
    return ::unlink(path);
}
inline int Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
inline int Mkdir(const char* path, mode_t mode) {
    return ::mkdir(path, mode);
}
inline int Rmdir(const char* path) {
    return ::rmdir(path);
}
inline int SyncDirectory(const char* path) {
    return SyncFolderNow(path);
}
#endif

}  // namespace oltoma::storage::sys
