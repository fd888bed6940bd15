// Page access for the B-tree algorithms (internal). Pages are worked on as
// copies: LoadPage copies a page out of the cache, StorePage puts the changed
// copy back (logging the page's before-image first when the operation has
// not logged it yet), so evictions during an operation never invalidate the
// page being worked on.
#pragma once

#include <cstdint>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

// True when `page` can be a page of the key: 1..PageCount.
bool IsPageOfKey(const FileBlock& block, int key, std::int32_t page);

// Copies a page of the key; an out-of-range page number is corrupt (10140).
bool LoadPage(FileBlock& block, int key, std::int32_t page, IndexPage& copy);
bool StorePage(FileBlock& block, int key, std::int32_t page, const IndexPage& contents);

// Takes a page from the key's free list, or appends one (with a zero row
// when the index file needs one). A bad free-list link fails with 10170.
bool AllocatePage(FileBlock& block, int key, std::int32_t& page);
// Puts a page on the key's free list, dropping it from the cache.
bool ReleasePage(FileBlock& block, int key, std::int32_t page);

// The parent of the page at `level` of the path (not the root) and the
// sibling it shares items with: the right one, unless the page is its
// parent's last child. The separator is the parent's item between the two.
struct SiblingPages {
    std::int32_t parentPage = 0;
    IndexPage parent;
    bool siblingIsRight = false;
    std::int32_t siblingPage = 0;
    IndexPage sibling;
    int separatorIndex = 0;
};

// Loads the parent and then the sibling of the page at `level`; a parent
// that does not point at the page consistently is corrupt (10140).
bool LoadSiblingPages(FileBlock& block, int key, const SearchPath& path, int level,
                      SiblingPages& pages);

// A run of items in key order, as two neighbour pages and their separator
// form it when joined.
struct ItemRun {
    PageItem items[2 * kPageSize + 2];
    int count = 0;

    void InsertAt(int position, const PageItem& item);
};

// left's items, the separator (its child becoming right's LeftChild), then
// right's items.
void JoinPages(const IndexPage& left, const PageItem& separator, const IndexPage& right,
               ItemRun& run);
// Splits a run back: left keeps its LeftChild and takes the first leftCount
// items; the next item becomes the separator with rightPage as its child;
// right takes the rest, with the separator's former child as LeftChild.
void SplitRun(const ItemRun& run, int leftCount, std::int32_t rightPage, IndexPage& left,
              PageItem& separator, IndexPage& right);

}  // namespace oltoma::storage
