// The operating-system calls under the file primitives. The program calls
// them directly; the fault-injection variant of the library built for tests
// (OLTOMA_STORAGE_FAULT_SEAM) routes them through fault_injection.cpp, which
// can fail or drop the n-th write or flush.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace oltoma::storage::sys {

#ifdef OLTOMA_STORAGE_FAULT_SEAM
int Open(const char* path, int flags, mode_t mode);
int Close(int fd);
ssize_t Pread(int fd, void* buffer, size_t count, off_t offset);
ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset);
int Ftruncate(int fd, off_t length);
int Fdatasync(int fd);
int Unlink(const char* path);
int Rename(const char* from, const char* to);
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
#endif

}  // namespace oltoma::storage::sys
