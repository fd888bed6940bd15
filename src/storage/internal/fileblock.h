// The engine's record of an open fileblock (internal to the engine).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/data_header.h"
#include "storage/file_primitives.h"
#include "storage/internal/index_format.h"
#include "storage/internal/journal_format.h"
#include "storage/isam_types.h"

namespace oltoma::storage {

inline constexpr std::uint32_t kFileBlockSignature = 0x11195851;

// Where the last search or scan of an index stopped: entry d is the page at
// depth d and the index of the item last passed there (0 = before item 1),
// which is also the child the search went down into.
struct SearchPath {
    struct Entry {
        std::int32_t page = 0;
        int index = 0;
    };
    Entry entries[kMaxHeight];
    int depth = 0;

    void Clear() { depth = 0; }
    Entry& Bottom() { return entries[depth - 1]; }
};

struct KeyDescriptor {
    KeyHeader header;
    int keyLen = 0;
    std::int64_t keyOffset = 0;
    bool headerChanged = false;
    bool fromFreeList = false;
    bool pathValid = true;
    SearchPath path;
};

// Bookkeeping of the modifying operation that is running on a fileblock in
// journal mode. The buffers keep their capacity between operations.
struct OperationLog {
    bool active = false;
    int keyNumber = 0;            // 0 = the data file
    bool changed = false;         // the operation has begun to change the fileblock
    bool journalWritten = false;  // a write of this operation reached for the journal
    bool headerLogged = false;
    DataHeader dataBefore;
    KeyHeader keyBefore;
    std::vector<std::uint8_t> pending;      // records not yet written to the journal
    std::vector<std::int32_t> loggedPages;  // pages whose before-image is logged
    std::vector<std::int32_t> freshPages;   // pages allocated by this operation
    std::vector<HeaderRecord> allocations;  // header records logged, oldest first
};

struct FileBlock {
    std::uint32_t signature = 0;
    std::string name;
    FileHandle data;
    FileHandle index;
    FileHandle journal;
    DataHeader dataHeader;
    bool dataHeaderChanged = false;
    bool dataFromFreeList = false;
    std::vector<KeyDescriptor> keys;  // 1..KeyCount; element 0 unused
    std::int64_t rowBytes = 0;
    std::int32_t rowCount = 0;
    bool readOnly = false;
    bool journalMode = false;
    bool changedSinceOpen = false;
    std::int64_t journalLength = kEmptyJournalLength;
    OperationLog op;

    int KeyCount() const { return dataHeader.KeyCount; }
};

}  // namespace oltoma::storage
