// Index file (X.IX) layout. All integers are little-endian.
//
// The file is a sequence of rows of RowBytes bytes, RowBytes being the sum of
// PageBytes over keys 1..KeyCount. Within a row, key k owns the slice that
// starts at its key offset (the sum of PageBytes of keys 1..k-1). Row 0 holds
// the key headers, each at the start of its key's slice; row n holds page n
// of every key, so page n of key k lies at n * RowBytes + key offset of k.
//
// Key header, 28 bytes:
//   offset  width  field            meaning
//   0       4      FreeHead         first free page of the key, -1 when none
//   4       4      FreeCount        free pages of the key
//   8       4      PageCount        highest page number allocated for the key
//   12      4      PageBytes        page slot size: PageSize * (KeyLen + 9) + 6
//   16      4      RootPage         root page, 0 when the index is empty
//   20      1      AllowDuplicates  1 when entries may share a key
//   21      1      reserved         written as 0
//   22      4      EntryCount       entries in the index
//   26      2      PageSize         items per page; a stored 0 means 62
//
// Index page, PageBytes bytes:
//   offset  width                   field
//   0       2                       ItemCount (1..PageSize in a page in use)
//   2       4                       LeftChild (keys below item 1; 0 in a leaf)
//   6       PageSize * (KeyLen + 9) items 1..ItemCount in ascending key order,
//                                   then zeros to the end of the slot
//
// Page item, KeyLen + 9 bytes:
//   0       4                       record number
//   4       4                       ChildPage (keys between this item and the
//                                   next; 0 in a leaf)
//   8       KeyLen + 1              key: length byte, characters, zeros after
//
// A free page's first 4 bytes hold the next free page (-1 ends the list).
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/data_header.h"
#include "storage/isam_types.h"

namespace oltoma::storage {

#pragma pack(push, 1)
struct KeyHeaderImage {
    std::int32_t FreeHead;
    std::int32_t FreeCount;
    std::int32_t PageCount;
    std::int32_t PageBytes;
    std::int32_t RootPage;
    std::uint8_t AllowDuplicates;
    std::uint8_t Reserved;
    std::int32_t EntryCount;
    std::uint16_t PageSize;
};

struct PagePrefix {
    std::uint16_t ItemCount;
    std::int32_t LeftChild;
};

struct ItemPrefix {
    std::int32_t RecordNumber;
    std::int32_t ChildPage;
};
#pragma pack(pop)

static_assert(sizeof(KeyHeaderImage) == 28);
static_assert(offsetof(KeyHeaderImage, FreeHead) == 0);
static_assert(offsetof(KeyHeaderImage, FreeCount) == 4);
static_assert(offsetof(KeyHeaderImage, PageCount) == 8);
static_assert(offsetof(KeyHeaderImage, PageBytes) == 12);
static_assert(offsetof(KeyHeaderImage, RootPage) == 16);
static_assert(offsetof(KeyHeaderImage, AllowDuplicates) == 20);
static_assert(offsetof(KeyHeaderImage, Reserved) == 21);
static_assert(offsetof(KeyHeaderImage, EntryCount) == 22);
static_assert(offsetof(KeyHeaderImage, PageSize) == 26);
static_assert(sizeof(PagePrefix) == 6);
static_assert(offsetof(PagePrefix, LeftChild) == 2);
static_assert(sizeof(ItemPrefix) == 8);
static_assert(offsetof(ItemPrefix, ChildPage) == 4);

inline constexpr int kItemOverhead = 9;  // item bytes besides the key characters
inline constexpr int kLargestPageBytes = kPageSize * (kMaxKeyLen + kItemOverhead) + 6;

// A key header as the engine holds it.
struct KeyHeader {
    std::int32_t FreeHead = kEndOfList;
    std::int32_t FreeCount = 0;
    std::int32_t PageCount = 0;
    std::int32_t PageBytes = 0;
    std::int32_t RootPage = 0;
    std::uint8_t AllowDuplicates = 0;
    std::int32_t EntryCount = 0;
    std::uint16_t PageSize = kPageSize;
};

inline KeyHeaderImage ImageOf(const KeyHeader& header) {
    return KeyHeaderImage{header.FreeHead,
                          header.FreeCount,
                          header.PageCount,
                          header.PageBytes,
                          header.RootPage,
                          header.AllowDuplicates,
                          0,
                          header.EntryCount,
                          header.PageSize};
}

// The header as read; a stored PageSize of 0 means 62.
inline KeyHeader HeaderOf(const KeyHeaderImage& image) {
    return KeyHeader{
        image.FreeHead,   image.FreeCount,
        image.PageCount,  image.PageBytes,
        image.RootPage,   image.AllowDuplicates,
        image.EntryCount, image.PageSize == 0 ? std::uint16_t{kPageSize} : image.PageSize};
}

inline constexpr int PageBytesOf(int pageSize, int keyLen) {
    return pageSize * (keyLen + kItemOverhead) + 6;
}

}  // namespace oltoma::storage
