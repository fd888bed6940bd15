#include "storage/internal/btree_search.h"

#include "storage/internal/btree_pages.h"
#include "storage/internal/engine_state.h"
#include "storage/internal/key_order.h"

namespace oltoma::storage {
namespace {

// A page reached while walking a tree at rest: in range and not empty.
const IndexPage* WalkTo(FileBlock& block, int key, std::int32_t page) {
    if (!IsPageOfKey(block, key, page)) {
        FailCorrupt();
        return nullptr;
    }
    const IndexPage* contents = ThePageCache().Get(block, key, page);
    if (contents != nullptr && contents->itemCount == 0) {
        FailCorrupt();
        return nullptr;
    }
    return contents;
}

bool Push(SearchPath& path, std::int32_t page, int index) {
    if (path.depth == kMaxHeight) {
        return FailCorrupt();
    }
    path.entries[path.depth++] = SearchPath::Entry{page, index};
    return true;
}

}  // namespace

bool DescendTo(FileBlock& block, int key, std::string_view keyText, std::int32_t record,
               SearchPath& path, bool& found, PageItem& item) {
    const KeyDescriptor& descriptor = block.keys[key];
    const bool duplicates = descriptor.header.AllowDuplicates != 0;
    path.Clear();
    found = false;
    std::int32_t page = descriptor.header.RootPage;
    while (page != 0) {
        const IndexPage* contents = WalkTo(block, key, page);
        if (contents == nullptr) {
            return false;
        }
        int lo = 1;
        int hi = contents->itemCount;
        int mid = 0;
        while (lo <= hi) {
            mid = (lo + hi) / 2;
            const PageItem& probe = contents->items[mid - 1];
            const int order =
                CompareEntries(keyText, record, probe.key.view(), probe.recordNumber, duplicates);
            if (order <= 0) {
                hi = mid - 1;
            }
            if (order >= 0) {
                lo = mid + 1;
            }
        }
        if (lo - hi >= 2) {
            found = true;
            item = contents->items[mid - 1];
            return Push(path, page, mid);
        }
        if (!Push(path, page, hi)) {
            return false;
        }
        page = contents->ChildAt(hi);
    }
    return true;
}

void TrimPath(SearchPath& path) {
    while (path.depth > 0 && path.Bottom().index == 0) {
        --path.depth;
    }
}

bool StepForward(FileBlock& block, int key, SearchPath& path, bool& atEnd, PageItem& item) {
    atEnd = false;
    std::int32_t child = block.keys[key].header.RootPage;
    if (path.depth > 0) {
        const IndexPage* bottom = WalkTo(block, key, path.Bottom().page);
        if (bottom == nullptr) {
            return false;
        }
        if (path.Bottom().index > bottom->itemCount) {
            return FailCorrupt();
        }
        child = bottom->ChildAt(path.Bottom().index);
    }
    while (child != 0) {
        const IndexPage* contents = WalkTo(block, key, child);
        if (contents == nullptr || !Push(path, child, 0)) {
            return false;
        }
        child = contents->leftChild;
    }
    while (path.depth > 0) {
        const IndexPage* contents = WalkTo(block, key, path.Bottom().page);
        if (contents == nullptr) {
            return false;
        }
        if (path.Bottom().index < contents->itemCount) {
            item = contents->items[path.Bottom().index++];
            return true;
        }
        --path.depth;
    }
    atEnd = true;
    return true;
}

}  // namespace oltoma::storage
