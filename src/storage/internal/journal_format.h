// Repair journal (X.DIA) records. Byte 0 of the file is a placeholder
// (written as 0); records follow from offset 1 in the order written, each
// starting with a 2-byte code. All integers are little-endian.
//
// Header before-image, code 1000, 36 bytes:
//   offset  width  field
//   0       2      code 1000
//   2       2      key number (0 = the data file)
//   4       28     the header: for keys 1..100 the key header of
//                  index_format.h; for key 0 the five data header integers
//                  (KeyCount as 4 bytes), then byte 20 = 0 and 7 zero bytes
//   32      4      FreeHeadAfter: the free head right after an allocation that
//                  took an element from the free list, otherwise -2
//
// Page before-image, code = the page's ItemCount (1..62),
// ItemCount * (KeyLen + 9) + 14 bytes:
//   0       2      ItemCount
//   2       2      key number
//   4       2      high half of LeftChild (not used by playback)
//   6       items  the used items, packed as on disk
//   6+items 4      page number
//   10+items 4     LeftChild
//
// Code 2000 ends a playback; any other code makes it fail, except that a
// journal whose bytes from a record's start to its end are all zero ends
// there: an append that a crash cut off before its sync reached the disk
// leaves its bytes as zeros while the file keeps its length, and nothing of
// the fileblock was written on the strength of records not yet synced. A
// record cut off by the end of the file ends the playback as well.
#pragma once

#include <cstddef>
#include <cstdint>

namespace oltoma::storage {

inline constexpr std::uint16_t kHeaderRecordCode = 1000;
inline constexpr std::uint16_t kEndRecordCode = 2000;
inline constexpr std::int32_t kNoFreeListTake = -2;
inline constexpr std::int64_t kEmptyJournalLength = 1;

#pragma pack(push, 1)
struct HeaderRecord {
    std::uint16_t Code;
    std::uint16_t KeyNumber;
    std::uint8_t Image[28];
    std::int32_t FreeHeadAfter;
};

struct PageRecordPrefix {
    std::uint16_t ItemCount;
    std::uint16_t KeyNumber;
    std::uint16_t LeftChildHigh;
};

struct PageRecordTrailer {
    std::int32_t PageNumber;
    std::int32_t LeftChild;
};
#pragma pack(pop)

static_assert(sizeof(HeaderRecord) == 36);
static_assert(offsetof(HeaderRecord, KeyNumber) == 2);
static_assert(offsetof(HeaderRecord, Image) == 4);
static_assert(offsetof(HeaderRecord, FreeHeadAfter) == 32);
static_assert(sizeof(PageRecordPrefix) == 6);
static_assert(offsetof(PageRecordPrefix, KeyNumber) == 2);
static_assert(offsetof(PageRecordPrefix, LeftChildHigh) == 4);
static_assert(sizeof(PageRecordTrailer) == 8);
static_assert(offsetof(PageRecordTrailer, LeftChild) == 4);

}  // namespace oltoma::storage
