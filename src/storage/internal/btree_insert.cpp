#include "storage/internal/btree_pages.h"
#include "storage/internal/btree_update.h"
#include "storage/internal/engine_state.h"

namespace oltoma::storage {
namespace {

void InsertIntoPage(IndexPage& page, int position, const PageItem& item) {
    for (int i = page.itemCount; i > position; --i) {
        page.items[i] = page.items[i - 1];
    }
    page.items[position] = item;
    ++page.itemCount;
}

// Tries to make room for `pending` in the full page at `level` by sharing
// items with one sibling. `done` tells whether it did.
bool Redistribute(FileBlock& block, int key, const SearchPath& path, int level, IndexPage& full,
                  const PageItem& pending, bool& done) {
    done = false;
    const std::int32_t fullPage = path.entries[level].page;
    const int position = path.entries[level].index;
    SiblingPages pages;
    if (!LoadSiblingPages(block, key, path, level, pages)) {
        return false;
    }
    IndexPage& parent = pages.parent;
    IndexPage& sibling = pages.sibling;
    const bool siblingIsRight = pages.siblingIsRight;
    const std::int32_t siblingPage = pages.siblingPage;
    const int separatorIndex = pages.separatorIndex;
    const int pageSize = block.keys[key].header.PageSize;
    if (sibling.itemCount >= pageSize) {
        return true;
    }
    IndexPage& left = siblingIsRight ? full : sibling;
    IndexPage& right = siblingIsRight ? sibling : full;
    ItemRun run;
    JoinPages(left, parent.items[separatorIndex], right, run);
    run.InsertAt(siblingIsRight ? position : sibling.itemCount + 1 + position, pending);
    const int total = run.count - 1;  // the items of both pages, the new one included
    const int leftCount = siblingIsRight ? (total + 1) / 2 : total / 2;
    const std::int32_t leftPage = siblingIsRight ? fullPage : siblingPage;
    const std::int32_t rightPage = siblingIsRight ? siblingPage : fullPage;
    SplitRun(run, leftCount, rightPage, left, parent.items[separatorIndex], right);
    done = StorePage(block, key, leftPage, left) && StorePage(block, key, rightPage, right) &&
           StorePage(block, key, pages.parentPage, parent);
    return done;
}

// Splits the full page at `level` around `pending`; `pending` becomes the
// item that moves up.
bool Split(FileBlock& block, int key, const SearchPath& path, int level, IndexPage& full,
           PageItem& pending) {
    std::int32_t newPage = 0;
    if (!AllocatePage(block, key, newPage)) {
        return false;
    }
    ItemRun run;
    run.count = 0;
    for (int i = 0; i < full.itemCount; ++i) {
        run.items[run.count++] = full.items[i];
    }
    run.InsertAt(path.entries[level].index, pending);
    const int keep = block.keys[key].header.PageSize / 2;
    IndexPage split;
    SplitRun(run, keep, newPage, full, pending, split);
    return StorePage(block, key, path.entries[level].page, full) &&
           StorePage(block, key, newPage, split);
}

bool GrowRoot(FileBlock& block, int key, const PageItem& pending) {
    std::int32_t newRoot = 0;
    if (!AllocatePage(block, key, newRoot)) {
        return false;
    }
    KeyDescriptor& descriptor = block.keys[key];
    IndexPage root;
    root.itemCount = 1;
    root.leftChild = descriptor.header.RootPage;
    root.items[0] = pending;
    if (!StorePage(block, key, newRoot, root)) {
        return false;
    }
    descriptor.header.RootPage = newRoot;
    descriptor.headerChanged = true;
    return true;
}

}  // namespace

bool InsertEntry(FileBlock& block, int key, SearchPath& path, const PageItem& entry) {
    const int pageSize = block.keys[key].header.PageSize;
    PageItem pending = entry;
    for (int level = path.depth - 1; level >= 0; --level) {
        IndexPage page;
        if (!LoadPage(block, key, path.entries[level].page, page)) {
            return false;
        }
        const int position = path.entries[level].index;
        if (position > page.itemCount) {
            return FailCorrupt();
        }
        if (page.itemCount < pageSize) {
            InsertIntoPage(page, position, pending);
            return StorePage(block, key, path.entries[level].page, page);
        }
        if (level > 0) {
            bool redistributed = false;
            if (!Redistribute(block, key, path, level, page, pending, redistributed)) {
                return false;
            }
            if (redistributed) {
                return true;
            }
        }
        if (!Split(block, key, path, level, page, pending)) {
            return false;
        }
    }
    return GrowRoot(block, key, pending);
}

}  // namespace oltoma::storage
