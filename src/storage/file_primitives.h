// File primitives of the storage engine. Each returns success; on failure it
// records the primitive's operation code and the system error number in the
// engine status (first failure wins) and sets the engine error code:
//
//   situation                                          IsamError
//   open or delete: file not found (2)                 9903
//   open or delete: path not found (3, 53)             9900
//   open or create: too many open files (4)            9901
//   open: invalid access (12)                          9908
//   read, write, seek, close, flush: bad handle (6)    9904
//   any other system error                             10140
//   read returned fewer bytes than asked               10070
//   write wrote fewer bytes than asked                 10075
//
// Files are opened with an advisory whole-file lock (flock: exclusive, or
// shared for shared opens), so a second open of a file held by this or another
// process fails with system error 32. Deleting, renaming or creating over a
// file that is held fails the same way.
//
// A symbolic link is never followed where a file is opened or created: the
// open fails with system error 5 (access denied), so nothing the link points
// at is read, written or truncated.
//
// Durability: written bytes reach the disk with FlushFile; a new, renamed or
// deleted name reaches it with FlushDirectory of its folder (of both folders
// for a rename between two).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace oltoma::storage {

// Operation codes recorded in IsamDosFunction.
namespace FileOperation {
inline constexpr int kOpen = 0x6C00;  // also create
inline constexpr int kClose = 0x3E00;
inline constexpr int kDelete = 0x4100;
inline constexpr int kFlush = 0x6800;
inline constexpr int kSeek = 0x4200;
inline constexpr int kTell = 0x4201;
inline constexpr int kSize = 0x4202;
inline constexpr int kRead = 0x3F00;
inline constexpr int kWrite = 0x4000;
inline constexpr int kLock = 0x5C00;
inline constexpr int kUnlock = 0x5C01;
inline constexpr int kRename = 0x5600;
inline constexpr int kMakeDirectory = 0x3900;
inline constexpr int kRemoveDirectory = 0x3A00;
}  // namespace FileOperation

struct FileHandle {
    int descriptor = -1;  // -1 when closed
    std::string name;     // kept to reopen or delete by name
    bool shared = false;  // opened for sharing
    bool readOnly = false;
    std::int64_t position = 0;  // the position Seek sets and Tell reports

    bool IsOpen() const { return descriptor >= 0; }
};

// Opens an existing regular file, read/write unless readOnly, locked
// exclusively unless shared.
bool OpenFile(FileHandle& file, std::string_view name, bool readOnly, bool shared);
// Creates the file or truncates an existing one; read/write, exclusive.
bool CreateFile(FileHandle& file, std::string_view name);
// Creates a file that must not exist yet (system error 80 when it does);
// read/write, exclusive.
bool CreateNewFile(FileHandle& file, std::string_view name);
// Closes the file; the descriptor becomes -1 even when closing fails.
bool CloseFile(FileHandle& file);
bool DeleteFile(std::string_view name);
// Fails (system error 32, 10140) when the named file is held open by this or
// another process; a missing file passes.
bool CheckNotInUse(std::string_view name);
bool RenameFile(std::string_view from, std::string_view to);
// Creates a folder (system error 80 when the name exists) and removes an
// empty one.
bool MakeDirectory(std::string_view name);
bool RemoveDirectory(std::string_view name);
// Forces the folder's entries to the disk (fsync of the folder).
bool FlushDirectory(std::string_view folder);
// The same for the folder that holds the named file.
bool FlushDirectoryOf(std::string_view fileName);
// The folder part of a file name ("." for a bare name).
std::string FolderOfFile(std::string_view fileName);
// Forces the written data to the disk (fdatasync). A flush failing with
// system error 4 is retried once by closing and reopening the file by name;
// on a shared file that gives 10150 instead.
bool FlushFile(FileHandle& file);
// Flushes two files. Where syncs are slow (the last flush took more than
// 50 microseconds) the two run at the same time, the second on a helper
// thread, so the caller waits about as long as for one; a failure of either is reported as FlushFile
// reports it (the first one's when both fail).
bool FlushFilePair(FileHandle& first, FileHandle& second);
bool Seek(FileHandle& file, std::int64_t offset);
bool Tell(FileHandle& file, std::int64_t& position);
bool FileSize(FileHandle& file, std::int64_t& size);
// Reads exactly count bytes at offset.
bool ReadAt(FileHandle& file, std::int64_t offset, std::size_t count, void* buffer);
// Writes count bytes at offset; a count of 0 truncates the file at offset.
bool WriteAt(FileHandle& file, std::int64_t offset, std::size_t count, const void* buffer);
// Writes count zero bytes at offset in one write.
bool WriteZeros(FileHandle& file, std::int64_t offset, std::size_t count);
// Byte-range locks; without system locks they succeed without locking.
// System locks are retried every 64 ms for up to 768 ms.
bool LockRange(FileHandle& file, std::int64_t offset, std::int64_t length, bool systemLocks);
bool UnlockRange(FileHandle& file, std::int64_t offset, std::int64_t length, bool systemLocks);

// Number of FlushFile and FlushDirectory calls made by this process (a
// FlushFilePair counts two).
std::uint64_t FlushCount();
// The syncs this process waited for one after the other: a FlushFilePair
// whose two syncs ran side by side counts one.
std::uint64_t FlushWaitCount();

}  // namespace oltoma::storage
