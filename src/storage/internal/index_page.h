// An index page as the engine holds it: items unpacked at a fixed stride with
// room for the longest key. Pack and unpack convert to and from the on-disk
// layout of index_format.h.
#pragma once

#include <cstdint>

#include "storage/internal/index_format.h"
#include "storage/isam_types.h"

namespace oltoma::storage {

struct PageItem {
    std::int32_t recordNumber = 0;
    std::int32_t childPage = 0;
    IsamKeyStr key;
};

struct IndexPage {
    int itemCount = 0;
    std::int32_t leftChild = 0;
    PageItem items[kPageSize];

    // Child c of the page: 0 is LeftChild, c >= 1 is the ChildPage of item c.
    std::int32_t ChildAt(int c) const { return c == 0 ? leftChild : items[c - 1].childPage; }
};

// Writes the page in pageBytes bytes: prefix, the used items at a stride of
// keyLen + 9, zeros to the end.
void PackPage(const IndexPage& page, int keyLen, int pageBytes, std::uint8_t* out);

// Writes only the used items, packed as on disk (itemCount * (keyLen + 9) bytes).
void PackItems(const IndexPage& page, int keyLen, std::uint8_t* out);

// Reads a page slot. Returns false, leaving an empty page, when ItemCount is
// above pageSize. A page without items is read as such: it exists only for a
// moment during a deletion, and the tree walks refuse it at rest. Key lengths above keyLen are cut
// to keyLen; bytes after a key's length become 0.
bool UnpackPage(const std::uint8_t* in, int keyLen, int pageSize, IndexPage& page);

// Reads itemCount packed items (as PackItems writes them).
void UnpackItems(const std::uint8_t* in, int itemCount, int keyLen, IndexPage& page);

}  // namespace oltoma::storage
