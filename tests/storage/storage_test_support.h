// Helpers shared by the storage tests: a fresh folder and engine per test,
// file bytes, fileblocks written directly in the documented format (with any
// page size), and a reading of a fileblock's logical contents straight from
// its files, independent of the engine.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace oltoma::storage::testing {

// Each test runs in a folder of its own with the engine started.
class StorageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual int PageBuffers() const { return 200; }

private:
    std::string previousFolder_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
std::int64_t FileLength(const std::string& path);

// A live record: 4 zero bytes, then `text`, zero-padded to `length`.
std::string LiveRecord(int length, std::string_view text);

// Little-endian integers at an offset of a byte string.
std::int32_t Int32At(std::string_view bytes, std::size_t offset);
void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value);
void PutUInt16(std::string& bytes, std::size_t offset, std::uint16_t value);

struct KeySpec {
    int keyLen = 10;
    bool duplicates = false;
    int pageSize = 62;
};

// Writes the data and index files of an empty fileblock (no journal).
void WriteEmptyFileBlock(const std::string& name, int recordLength,
                         const std::vector<KeySpec>& keys);

// The logical contents of a fileblock, read from X.DAT and X.IX.
struct FileBlockImage {
    struct Key {
        std::int32_t freeCount = 0;
        std::int32_t pageCount = 0;
        std::int32_t pageBytes = 0;
        std::int32_t rootPage = 0;
        std::int32_t entryCount = 0;
        int allowDuplicates = 0;
        int pageSize = 0;
        std::vector<std::int32_t> freePages;                        // in list order
        std::map<std::int32_t, std::string> treePages;              // whole page slots
        std::vector<std::pair<std::string, std::int32_t>> entries;  // in tree order
        bool operator==(const Key&) const = default;
    };
    std::int32_t freeCount = 0;
    std::int32_t slotCount = 0;
    std::int32_t recordLength = 0;
    std::int32_t keyCount = 0;
    int modifiedFlag = 0;
    std::vector<std::int32_t> freeRecords;            // in list order
    std::map<std::int32_t, std::string> liveRecords;  // records not on the free list
    std::vector<Key> keys;
    bool operator==(const FileBlockImage&) const = default;
};

FileBlockImage ReadImage(const std::string& name);
// The first difference of two images, for failure messages ("" when equal).
std::string FirstDifference(const FileBlockImage& expected, const FileBlockImage& actual);

// The files of a fileblock, byte for byte.
struct FileSnapshot {
    std::string data;
    std::string index;
    std::string journal;
};
FileSnapshot TakeSnapshot(const std::string& name);
void RestoreSnapshot(const std::string& name, const FileSnapshot& snapshot);

}  // namespace oltoma::storage::testing
