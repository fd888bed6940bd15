// The engine's record of an open fileblock (internal to the engine).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/data_header.h"
#include "storage/file_primitives.h"
#include "storage/internal/index_format.h"
#include "storage/internal/index_page.h"
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

// One element of a free list (key 0: a record of the data file; 1..: a page
// of that index).
struct ElementRef {
    int key = 0;
    std::int32_t element = 0;
    bool operator==(const ElementRef&) const = default;
};

// Bookkeeping of a store unit (store_unit.h): the state before it, what
// must be restored if it is undone, and its writes, held until it ends. The
// buffers keep their capacity between units.
struct UnitLog {
    bool active = false;
    bool failed = false;  // an operation failed and the unit was undone
    int failureCode = 0;
    int operations = 0;
    int lastRollbackCode = 0;     // rollback code of the last operation run
    bool journalWritten = false;  // some of the unit's journal reached the file
    bool restoreChanged = false;  // the restore records differ from the last written
    bool indexWritten = false;    // pages were written (evicted) during the unit
    std::int64_t journalStart = 0;
    DataHeader dataBefore;
    std::vector<KeyHeader> keysBefore;        // 1..KeyCount; element 0 unused
    std::vector<bool> touched;                // 0..KeyCount: keys the unit changes
    std::vector<std::uint8_t> pendingImages;  // page records not yet written
    std::vector<ElementRef> loggedPages;      // pages whose before-image is logged
    std::vector<ElementRef> freshPages;       // pages allocated by the unit
    std::vector<ElementRef> taken;            // free elements of before the unit it took
    std::vector<ElementRef> released;         // elements the unit released
    // Links to write back on playback: free-list links of elements taken from
    // the free lists of before the unit, and the first 4 bytes of records
    // the unit deleted.
    struct Restore {
        ElementRef at;
        std::int32_t value = 0;
    };
    std::vector<Restore> restores;
    // Records written by the unit (whole, or only the free-list link of a
    // deleted record), in the order first written; their bytes in `bytes`.
    struct PendingRecord {
        std::int32_t record = 0;
        bool whole = false;
        std::size_t offset = 0;
    };
    std::vector<PendingRecord> records;
    std::vector<std::uint8_t> bytes;
    // Free-list links of released pages as they stand now.
    struct PendingLink {
        ElementRef at;
        std::int32_t link = 0;
    };
    std::vector<PendingLink> pageLinks;
    // Every page the unit changed as the disk would hold it had each of its
    // operations written its pages when it finished (as a single operation
    // does): the page contents, and over them the free-list link of a page
    // released since. Written when the unit ends.
    struct ShadowPage {
        ElementRef at;
        bool hasContents = false;
        IndexPage contents;
        bool hasLink = false;
        std::int32_t link = 0;
    };
    std::vector<ShadowPage> shadow;
    std::vector<ElementRef> operationStored;    // pages stored by the running operation
    std::vector<ElementRef> operationReleased;  // pages released by it
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
    // Rows the index file holds as the fileblock's state says (zero rows a
    // unit appends are written when it ends).
    std::int32_t zeroedRows = 0;
    bool readOnly = false;
    bool journalMode = false;
    bool changedSinceOpen = false;
    std::int64_t journalLength = kEmptyJournalLength;
    // A sync of one of the fileblock's files failed: what reached the disk is
    // unknown, so it takes no more changes until it is opened again.
    bool syncFailed = false;
    int syncError = 0;
    OperationLog op;
    UnitLog unit;

    int KeyCount() const { return dataHeader.KeyCount; }
};

}  // namespace oltoma::storage
