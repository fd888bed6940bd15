// Inserting into and removing from a B-tree index (internal). Both work up
// the path that DescendTo left, change pages through StorePage and allocate
// and release pages through the key's free list; neither touches EntryCount.
#pragma once

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

// Inserts `entry` (child 0) where the failed search of DescendTo stopped.
// Going up, the pending item goes in at position hi + 1 of each page; a full
// page other than the root first tries one sibling (the right one unless the
// page is its parent's last child) and, if that sibling has room,
// redistributes the items of both pages through the parent (the full page
// keeps ceil(T/2), the sibling floor(T/2), T = PageSize + 1 + sibling's
// items); otherwise the page splits (PageSize div 2 items stay, the next item
// moves up with the new page as its child). A split root gets a new root of
// one item; an empty index gets its first root page the same way.
bool InsertEntry(FileBlock& block, int key, SearchPath& path, const PageItem& entry);

// Removes the entry DescendTo found. An item in a leaf is taken out; an item
// in an inner page is replaced by the last item of the rightmost leaf of its
// left subtree. Going up, a page other than the root with fewer than
// PageSize div 2 items borrows m = (s - PageSize div 2 + 1) div 2 items from a
// sibling of s items through the parent, or (m = 0) merges with it into the
// left page of the two, freeing the right one; the parent is then checked in
// turn. A root left without items gives way to its LeftChild and is freed.
bool RemoveEntry(FileBlock& block, int key, SearchPath& path);

}  // namespace oltoma::storage
