// Searching and scanning a B-tree index (internal).
#pragma once

#include <cstdint>
#include <string_view>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

// Descends from the root towards the entry (key, record); the record number
// counts only in an index with duplicates. Within a page: binary search with
// lo = 1, hi = ItemCount, mid = (lo + hi) div 2; hi = mid - 1 when the entry
// is <= the item, lo = mid + 1 when it is >=. lo - hi >= 2 means the item at
// mid matches; otherwise the search goes on in child hi. Each page visited is
// pushed with mid (found) or hi. On a match `found` is set and `item` holds
// the entry. Fails with 10140 for a tree deeper than kMaxHeight or a page
// number out of range.
bool DescendTo(FileBlock& block, int key, std::string_view keyText, std::int32_t record,
               SearchPath& path, bool& found, PageItem& item);

// After a failed search: drops trailing path entries whose index is 0.
void TrimPath(SearchPath& path);

// The entry after the path's position: descends into the child right of the
// deepest entry's item (from the root when the path is empty) and down the
// leftmost children, then climbs past exhausted pages and advances. At the
// end `atEnd` is set and the path is empty (before the first entry).
bool StepForward(FileBlock& block, int key, SearchPath& path, bool& atEnd, PageItem& item);

}  // namespace oltoma::storage
