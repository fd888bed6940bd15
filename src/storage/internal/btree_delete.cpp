#include "storage/internal/btree_pages.h"
#include "storage/internal/btree_update.h"
#include "storage/internal/engine_state.h"

namespace oltoma::storage {
namespace {

void RemoveFromPage(IndexPage& page, int position) {
    for (int i = position; i + 1 < page.itemCount; ++i) {
        page.items[i] = page.items[i + 1];
    }
    --page.itemCount;
}

// Takes the last item of the rightmost leaf under `page`, extending the path
// down to that leaf.
bool TakeRightmostItem(FileBlock& block, int key, SearchPath& path, std::int32_t page,
                       PageItem& taken) {
    IndexPage contents;
    for (;;) {
        if (path.depth == kMaxHeight) {
            return FailCorrupt();
        }
        if (!LoadPage(block, key, page, contents)) {
            return false;
        }
        if (contents.itemCount == 0) {
            return FailCorrupt();
        }
        path.entries[path.depth++] = SearchPath::Entry{page, contents.itemCount};
        const std::int32_t child = contents.ChildAt(contents.itemCount);
        if (child == 0) {
            break;
        }
        page = child;
    }
    taken = contents.items[contents.itemCount - 1];
    --contents.itemCount;
    return StorePage(block, key, page, contents);
}

// Repairs the underfull page at `level` with a sibling. `merged` tells
// whether the parent lost an item.
bool RepairUnderflow(FileBlock& block, int key, const SearchPath& path, int level, IndexPage& page,
                     bool& merged) {
    merged = false;
    const std::int32_t pageNumber = path.entries[level].page;
    SiblingPages pages;
    if (!LoadSiblingPages(block, key, path, level, pages)) {
        return false;
    }
    IndexPage& parent = pages.parent;
    IndexPage& sibling = pages.sibling;
    const std::int32_t parentPage = pages.parentPage;
    const bool siblingIsRight = pages.siblingIsRight;
    const std::int32_t siblingPage = pages.siblingPage;
    const int separatorIndex = pages.separatorIndex;
    const int half = block.keys[key].header.PageSize / 2;
    const int movable = (sibling.itemCount - half + 1) / 2;
    IndexPage& left = siblingIsRight ? page : sibling;
    IndexPage& right = siblingIsRight ? sibling : page;
    const std::int32_t leftPage = siblingIsRight ? pageNumber : siblingPage;
    const std::int32_t rightPage = siblingIsRight ? siblingPage : pageNumber;
    ItemRun run;
    JoinPages(left, parent.items[separatorIndex], right, run);
    if (movable > 0) {
        const int leftCount =
            siblingIsRight ? page.itemCount + movable : sibling.itemCount - movable;
        SplitRun(run, leftCount, rightPage, left, parent.items[separatorIndex], right);
        return StorePage(block, key, leftPage, left) && StorePage(block, key, rightPage, right) &&
               StorePage(block, key, parentPage, parent);
    }
    left.itemCount = run.count;
    for (int i = 0; i < run.count; ++i) {
        left.items[i] = run.items[i];
    }
    RemoveFromPage(parent, separatorIndex);
    merged = true;
    return StorePage(block, key, leftPage, left) && StorePage(block, key, parentPage, parent) &&
           ReleasePage(block, key, rightPage);
}

bool CollapseEmptyRoot(FileBlock& block, int key) {
    KeyDescriptor& descriptor = block.keys[key];
    const std::int32_t rootPage = descriptor.header.RootPage;
    IndexPage root;
    if (!LoadPage(block, key, rootPage, root)) {
        return false;
    }
    if (root.itemCount > 0) {
        return true;
    }
    descriptor.header.RootPage = root.leftChild;
    descriptor.headerChanged = true;
    return ReleasePage(block, key, rootPage);
}

}  // namespace

bool RemoveEntry(FileBlock& block, int key, SearchPath& path) {
    const int foundLevel = path.depth - 1;
    SearchPath::Entry& found = path.entries[foundLevel];
    IndexPage page;
    if (!LoadPage(block, key, found.page, page)) {
        return false;
    }
    if (found.index < 1 || found.index > page.itemCount) {
        return FailCorrupt();
    }
    const std::int32_t leftSubtree = page.ChildAt(found.index - 1);
    if (leftSubtree == 0) {
        RemoveFromPage(page, found.index - 1);
        if (!StorePage(block, key, found.page, page)) {
            return false;
        }
    } else {
        const int item = found.index - 1;
        found.index = item;  // the path goes on down the left subtree
        PageItem replacement;
        if (!TakeRightmostItem(block, key, path, leftSubtree, replacement)) {
            return false;
        }
        page.items[item].recordNumber = replacement.recordNumber;
        page.items[item].key = replacement.key;
        if (!StorePage(block, key, path.entries[foundLevel].page, page)) {
            return false;
        }
    }
    const int half = block.keys[key].header.PageSize / 2;
    for (int level = path.depth - 1; level > 0; --level) {
        IndexPage current;
        if (!LoadPage(block, key, path.entries[level].page, current)) {
            return false;
        }
        if (current.itemCount >= half) {
            break;
        }
        bool merged = false;
        if (!RepairUnderflow(block, key, path, level, current, merged)) {
            return false;
        }
        if (!merged) {
            break;
        }
    }
    return CollapseEmptyRoot(block, key);
}

}  // namespace oltoma::storage
