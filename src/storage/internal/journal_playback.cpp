// Playback of the repair journal: restores the before-images it holds.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/journal.h"
#include "storage/internal/operation.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

// Both kinds of record keep the key number at the same place, so it is read
// before the kind's length is known.
static_assert(offsetof(HeaderRecord, KeyNumber) == offsetof(PageRecordPrefix, KeyNumber));

bool PlaybackFailed() {
    return Fail(IsamCode::kRollbackFailed);
}

// Playback writes only into record slots and index rows that exist: the
// elements a journal names were all in the files before the operation.
struct Extent {
    std::int64_t records = 0;  // highest record number within the data file
    std::int64_t rows = 0;     // highest page number within the index file
};

// Writes a page image from a page record: prefix, the logged items as they
// are, zeros to the end of the slot.
bool RestorePage(FileBlock& block, const Extent& extent, const std::uint8_t* record,
                 std::size_t itemBytes) {
    PageRecordPrefix prefix;
    std::memcpy(&prefix, record, sizeof prefix);
    PageRecordTrailer trailer;
    std::memcpy(&trailer, record + sizeof prefix + itemBytes, sizeof trailer);
    const int key = prefix.KeyNumber;
    const KeyDescriptor& descriptor = block.keys[key];
    if (trailer.PageNumber < 1 || trailer.PageNumber > extent.rows) {
        return false;
    }
    std::uint8_t slot[kLargestPageBytes] = {};
    const PagePrefix pagePrefix{prefix.ItemCount, trailer.LeftChild};
    std::memcpy(slot, &pagePrefix, sizeof pagePrefix);
    std::memcpy(slot + sizeof pagePrefix, record + sizeof prefix, itemBytes);
    return WriteAt(block.index, PageOffset(block, key, trailer.PageNumber),
                   static_cast<std::size_t>(descriptor.header.PageBytes), slot);
}

// Puts element `element` back on the free list of key `key` with the link
// `link` and the header's free head pointing at it.
bool Relink(FileBlock& block, const Extent& extent, int key, std::int32_t element,
            std::int32_t link) {
    FileHandle& file = key == 0 ? block.data : block.index;
    if (element < 1 || element > (key == 0 ? extent.records : extent.rows)) {
        return false;
    }
    const std::int64_t offset =
        key == 0 ? RecordOffset(block, element) : PageOffset(block, key, element);
    return WriteAt(file, offset, sizeof link, &link);
}

bool RestoreDataHeader(FileBlock& block, const Extent& extent, const HeaderRecord& record) {
    DataHeaderImage image;
    std::memcpy(&image, record.Image, sizeof image);
    const DataHeader logged = HeaderOf(image);
    if (logged.RecordLength != block.dataHeader.RecordLength ||
        logged.KeyCount != block.dataHeader.KeyCount) {
        return false;
    }
    if (record.FreeHeadAfter != kNoFreeListTake &&
        !Relink(block, extent, 0, logged.FreeHead, record.FreeHeadAfter)) {
        return false;
    }
    block.dataHeader.FreeHead = logged.FreeHead;
    block.dataHeader.FreeCount = logged.FreeCount;
    block.dataHeader.SlotCount = logged.SlotCount;
    return WriteDataHeader(block);
}

bool RestoreKeyHeader(FileBlock& block, const Extent& extent, int key, const HeaderRecord& record) {
    KeyHeaderImage image;
    std::memcpy(&image, record.Image, sizeof image);
    const KeyHeader logged = HeaderOf(image);
    KeyHeader& header = block.keys[key].header;
    if (logged.PageBytes != header.PageBytes || logged.PageSize != header.PageSize) {
        return false;
    }
    if (record.FreeHeadAfter != kNoFreeListTake &&
        !Relink(block, extent, key, logged.FreeHead, record.FreeHeadAfter)) {
        return false;
    }
    header = logged;
    return WriteKeyHeader(block, key);
}

bool FlushFiles(FileBlock& block) {
    return FlushFile(block.data) && (block.KeyCount() == 0 || FlushFile(block.index));
}

// True when the journal holds only zero bytes from `position` to its end.
bool ZeroTail(FileBlock& block, std::int64_t position, std::int64_t journalSize) {
    std::uint8_t chunk[4096];
    while (position < journalSize) {
        const auto count =
            static_cast<std::size_t>(std::min<std::int64_t>(journalSize - position, sizeof chunk));
        if (!ReadAt(block.journal, position, count, chunk)) {
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (chunk[i] != 0) {
                return false;
            }
        }
        position += static_cast<std::int64_t>(count);
    }
    return true;
}

// Applies the records from offset 1 to the end of the journal.
bool ApplyRecords(FileBlock& block, const Extent& extent, std::int64_t journalSize) {
    std::int64_t position = kEmptyJournalLength;
    std::uint8_t record[kLargestPageBytes + sizeof(PageRecordPrefix) + sizeof(PageRecordTrailer)];
    while (position + 2 <= journalSize) {
        std::uint16_t code = 0;
        if (!ReadAt(block.journal, position, sizeof code, &code)) {
            return false;
        }
        if (code == kEndRecordCode || (code == 0 && ZeroTail(block, position, journalSize))) {
            return true;
        }
        if (code != kHeaderRecordCode && (code < 1 || code > kPageSize)) {
            return false;
        }
        // The key number decides a page record's length: read it first.
        std::uint16_t key = 0;
        if (position + 4 > journalSize) {
            return true;  // a cut-off record ends the journal
        }
        if (!ReadAt(block.journal, position + offsetof(HeaderRecord, KeyNumber), sizeof key,
                    &key) ||
            key > block.KeyCount() ||
            (code != kHeaderRecordCode && (key == 0 || code > block.keys[key].header.PageSize))) {
            return false;
        }
        const std::size_t itemBytes =
            code == kHeaderRecordCode
                ? 0
                : static_cast<std::size_t>(code) * (block.keys[key].keyLen + kItemOverhead);
        const std::size_t length =
            code == kHeaderRecordCode
                ? sizeof(HeaderRecord)
                : sizeof(PageRecordPrefix) + itemBytes + sizeof(PageRecordTrailer);
        if (position + static_cast<std::int64_t>(length) > journalSize) {
            return true;  // a cut-off record ends the journal
        }
        if (!ReadAt(block.journal, position, length, record)) {
            return false;
        }
        bool applied = false;
        if (code == kHeaderRecordCode) {
            HeaderRecord header;
            std::memcpy(&header, record, sizeof header);
            applied = key == 0 ? RestoreDataHeader(block, extent, header)
                               : RestoreKeyHeader(block, extent, key, header);
        } else {
            applied = RestorePage(block, extent, record, itemBytes);
        }
        if (!applied) {
            return false;
        }
        position += static_cast<std::int64_t>(length);
    }
    return true;
}

}  // namespace

bool Playback(FileBlock& block) {
    if (block.readOnly) {
        return Fail(IsamCode::kRollbackReadOnly);
    }
    ThePageCache().DropAll(block);
    const std::uint8_t placeholder = 0;
    std::int64_t journalSize = 0;
    std::int64_t dataSize = 0;
    std::int64_t indexSize = 0;
    if (!FileSize(block.journal, journalSize) || !FileSize(block.data, dataSize) ||
        (block.KeyCount() > 0 && !FileSize(block.index, indexSize)) ||
        !WriteAt(block.journal, 0, sizeof placeholder, &placeholder)) {
        return PlaybackFailed();
    }
    Extent extent;
    extent.records = dataSize / block.dataHeader.RecordLength - 1;
    extent.rows = block.rowBytes > 0 ? indexSize / block.rowBytes - 1 : 0;
    // The restored images reach the disk before the journal is cut, so a
    // crash in between plays the journal again rather than losing them.
    if (!ApplyRecords(block, extent, journalSize) || !FlushFiles(block) ||
        !WriteAt(block.journal, kEmptyJournalLength, 0, nullptr) || !FlushFile(block.journal)) {
        return PlaybackFailed();
    }
    block.journalLength = kEmptyJournalLength;
    RecomputeRowCount(block);
    for (int key = 1; key <= block.KeyCount(); ++key) {
        block.keys[key].pathValid = false;
    }
    return true;
}

}  // namespace oltoma::storage
