#include "storage/internal/btree_pages.h"

#include <limits>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/journal.h"
#include "storage/internal/store_unit.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

// Logs the page's before-image unless the operation already did, or the
// page is new to the operation. A page without items cannot be logged; it
// only appears in a damaged file.
bool LogBeforeChange(FileBlock& block, int key, std::int32_t page) {
    if (!NeedsPageImage(block, key, page)) {
        return true;
    }
    const IndexPage* before = ThePageCache().Get(block, key, page);
    if (before == nullptr) {
        return false;
    }
    if (before->itemCount == 0) {
        return FailCorrupt();
    }
    LogPageImage(block, key, page, *before);
    return true;
}

}  // namespace

bool IsPageOfKey(const FileBlock& block, int key, std::int32_t page) {
    return page >= 1 && page <= block.keys[key].header.PageCount;
}

bool LoadPage(FileBlock& block, int key, std::int32_t page, IndexPage& copy) {
    if (!IsPageOfKey(block, key, page)) {
        return FailCorrupt();
    }
    const IndexPage* cached = ThePageCache().Get(block, key, page);
    if (cached == nullptr) {
        return false;
    }
    copy = *cached;
    return true;
}

bool StorePage(FileBlock& block, int key, std::int32_t page, const IndexPage& contents) {
    if (!LogBeforeChange(block, key, page) || !ThePageCache().Put(block, key, page, contents)) {
        return false;
    }
    if (InUnit(block)) {
        UnitNoteStored(block, key, page);
    }
    return true;
}

bool AllocatePage(FileBlock& block, int key, std::int32_t& page) {
    KeyDescriptor& descriptor = block.keys[key];
    KeyHeader& header = descriptor.header;
    if (header.FreeHead != kEndOfList) {
        std::int32_t link = 0;
        if (!IsPageOfKey(block, key, header.FreeHead)) {
            return Fail(IsamCode::kBadFreeLink);
        }
        if (!ReadFreeLink(block, key, header.FreeHead, link)) {
            return false;
        }
        if (link == 0 || link > header.PageCount || link < kEndOfList) {
            return Fail(IsamCode::kBadFreeLink);
        }
        if (!LogAllocation(block, key, link)) {
            return false;
        }
        if (header.FreeCount == std::numeric_limits<std::int32_t>::min()) {
            return Fail(IsamCode::kBadFreeLink);  // a damaged count cannot shrink
        }
        page = header.FreeHead;
        header.FreeHead = link;
        --header.FreeCount;
        descriptor.fromFreeList = true;
    } else {
        if (header.PageCount >= std::numeric_limits<std::int32_t>::max() - 1) {
            return FailCorrupt();
        }
        LogAllocation(block, key, kNoFreeListTake);
        page = ++header.PageCount;
        descriptor.fromFreeList = false;
        if (header.PageCount > block.rowCount && !AppendZeroRow(block)) {
            return false;
        }
    }
    descriptor.headerChanged = true;
    NoteFreshPage(block, key, page);
    return true;
}

bool ReleasePage(FileBlock& block, int key, std::int32_t page) {
    if (block.keys[key].header.FreeCount == std::numeric_limits<std::int32_t>::max()) {
        return Fail(IsamCode::kBadFreeLink);  // a damaged count cannot grow
    }
    if (!LogBeforeChange(block, key, page)) {
        return false;
    }
    ThePageCache().Drop(block, key, page);
    KeyDescriptor& descriptor = block.keys[key];
    NoteRelease(block, key, page, 0);
    if (!WriteFreeLink(block, key, page, descriptor.header.FreeHead)) {
        return false;
    }
    descriptor.header.FreeHead = page;
    ++descriptor.header.FreeCount;
    descriptor.headerChanged = true;
    return true;
}

void ItemRun::InsertAt(int position, const PageItem& item) {
    for (int i = count; i > position; --i) {
        items[i] = items[i - 1];
    }
    items[position] = item;
    ++count;
}

void JoinPages(const IndexPage& left, const PageItem& separator, const IndexPage& right,
               ItemRun& run) {
    run.count = 0;
    for (int i = 0; i < left.itemCount; ++i) {
        run.items[run.count++] = left.items[i];
    }
    run.items[run.count] = separator;
    run.items[run.count++].childPage = right.leftChild;
    for (int i = 0; i < right.itemCount; ++i) {
        run.items[run.count++] = right.items[i];
    }
}

void SplitRun(const ItemRun& run, int leftCount, std::int32_t rightPage, IndexPage& left,
              PageItem& separator, IndexPage& right) {
    left.itemCount = leftCount;
    for (int i = 0; i < leftCount; ++i) {
        left.items[i] = run.items[i];
    }
    separator = run.items[leftCount];
    right.leftChild = separator.childPage;
    separator.childPage = rightPage;
    right.itemCount = run.count - leftCount - 1;
    for (int i = 0; i < right.itemCount; ++i) {
        right.items[i] = run.items[leftCount + 1 + i];
    }
}

bool LoadSiblingPages(FileBlock& block, int key, const SearchPath& path, int level,
                      SiblingPages& pages) {
    const std::int32_t page = path.entries[level].page;
    const int childIndex = path.entries[level - 1].index;
    pages.parentPage = path.entries[level - 1].page;
    if (!LoadPage(block, key, pages.parentPage, pages.parent)) {
        return false;
    }
    if (pages.parent.itemCount == 0 || childIndex > pages.parent.itemCount) {
        return FailCorrupt();
    }
    pages.siblingIsRight = childIndex < pages.parent.itemCount;
    pages.siblingPage =
        pages.parent.ChildAt(pages.siblingIsRight ? childIndex + 1 : childIndex - 1);
    pages.separatorIndex = pages.siblingIsRight ? childIndex : childIndex - 1;
    if (pages.siblingPage == page) {
        return FailCorrupt();
    }
    return LoadPage(block, key, pages.siblingPage, pages.sibling);
}

}  // namespace oltoma::storage
