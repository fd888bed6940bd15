#include "storage/structure_check.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>

#include "storage/internal/engine_state.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_status_detail.h"
#include "storage/internal/key_order.h"
#include "storage/isam_status.h"

namespace oltoma::storage {
namespace {

constexpr std::size_t kMostProblems = 200;

class Problems {
public:
    void Add(std::string text) {
        if (lines_.size() < kMostProblems) {
            lines_.push_back(std::move(text));
        } else if (lines_.size() == kMostProblems) {
            lines_.push_back("further problems not listed");
        }
    }
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

std::string Text(std::int64_t number) {
    return std::to_string(number);
}

enum class Mark : std::uint8_t { Unseen, Free, InTree };

// Walks a free list of slots 1..highest; marks the elements as Free. Returns
// the number of elements walked, or nothing when the list is broken.
std::optional<std::int64_t> WalkFreeList(FileHandle& file, std::int32_t head, std::int32_t highest,
                                         std::int64_t available,
                                         const std::function<std::int64_t(std::int32_t)>& offset,
                                         std::vector<Mark>& marks, const std::string& what,
                                         Problems& problems) {
    std::int64_t length = 0;
    std::int32_t previous = 0;
    for (std::int32_t element = head; element != kEndOfList;) {
        if (element < 1 || element > highest) {
            problems.Add(what + ": free-list link " + Text(element) + " out of range" +
                         (previous ? " (in " + Text(previous) + ")" : " (free head)"));
            return std::nullopt;
        }
        if (element > available) {
            problems.Add(what + ": free element " + Text(element) + " lies beyond the file's end");
            return std::nullopt;
        }
        if (marks[element] == Mark::Free) {
            problems.Add(what + ": free list runs in a cycle at " + Text(element));
            return std::nullopt;
        }
        marks[element] = Mark::Free;
        ++length;
        previous = element;
        std::int32_t link = 0;
        if (!ReadLink(file, offset(element), link)) {
            problems.Add(what + ": free element " + Text(element) + " cannot be read");
            return std::nullopt;
        }
        element = link;
    }
    return length;
}

std::int64_t SizeOf(FileHandle& file) {
    std::int64_t size = 0;
    return FileSize(file, size) ? size : 0;
}

void CheckDataFile(FileBlock& block, Problems& problems) {
    const DataHeader& header = block.dataHeader;
    const std::int64_t size = SizeOf(block.data);
    const std::int64_t needed =
        (static_cast<std::int64_t>(header.SlotCount) + 1) * header.RecordLength;
    if (size < needed) {
        problems.Add("data file: " + Text(size) + " bytes, shorter than the " +
                     Text(header.SlotCount) + " records of its header need");
    }
    const std::int64_t available = size / header.RecordLength - 1;
    const std::int32_t highest = header.SlotCount;
    // A negative slot count in a damaged header must not size the marks.
    const std::int64_t limit =
        std::max<std::int64_t>(0, std::min<std::int64_t>(highest, available));
    std::vector<Mark> marks(static_cast<std::size_t>(limit) + 1, Mark::Unseen);
    const auto length = WalkFreeList(
        block.data, header.FreeHead, highest, limit,
        [&](std::int32_t record) { return RecordOffset(block, record); }, marks, "data file",
        problems);
    if (!length) {
        return;
    }
    if (*length != header.FreeCount) {
        problems.Add("data file: free list holds " + Text(*length) + " records, FreeCount says " +
                     Text(header.FreeCount));
    }
    for (std::int32_t record = 1; record <= limit; ++record) {
        std::int32_t first = 0;
        if (marks[record] == Mark::Unseen &&
            ReadLink(block.data, RecordOffset(block, record), first) && first != 0) {
            problems.Add(std::string(kLeakedSlotProblem) + ": record " + Text(record) +
                         " is marked deleted but not on the free list");
        }
    }
}

struct Bound {
    bool present = false;
    IsamKeyStr key;
    std::int32_t record = 0;
};

class TreeChecker {
public:
    TreeChecker(FileBlock& block, int key, std::vector<Mark>& marks, Problems& problems)
        : block_(block), key_(key), marks_(marks), problems_(problems), what_("key " + Text(key)) {}

    std::int64_t entries = 0;

    void Walk(std::int32_t page, int depth, const Bound& low, const Bound& high) {
        const KeyHeader& header = block_.keys[key_].header;
        if (depth > kMaxHeight) {
            problems_.Add(what_ + ": tree deeper than " + Text(kMaxHeight) + " levels at page " +
                          Text(page));
            return;
        }
        if (page < 1 || page >= static_cast<std::int64_t>(marks_.size())) {
            problems_.Add(what_ + ": child pointer " + Text(page) + " out of range");
            return;
        }
        if (marks_[page] != Mark::Unseen) {
            problems_.Add(what_ + ": page " + Text(page) +
                          (marks_[page] == Mark::Free ? " is both free and in the tree"
                                                      : " is reached twice"));
            return;
        }
        marks_[page] = Mark::InTree;
        std::uint8_t slot[kLargestPageBytes];
        if (!ReadAt(block_.index, PageOffset(block_, key_, page),
                    static_cast<std::size_t>(header.PageBytes), slot)) {
            problems_.Add(what_ + ": page " + Text(page) + " cannot be read");
            return;
        }
        IndexPage contents;
        if (!CheckItems(page, slot, depth, contents)) {
            return;
        }
        CheckOrder(page, contents, low, high);
        entries += contents.itemCount;
        const bool leaf = contents.leftChild == 0;
        for (int c = 0; c <= contents.itemCount; ++c) {
            if ((contents.ChildAt(c) == 0) != leaf) {
                problems_.Add(what_ + ": page " + Text(page) + " mixes leaf and inner items");
                return;
            }
        }
        if (leaf) {
            NoteLeafDepth(page, depth);
            return;
        }
        for (int c = 0; c <= contents.itemCount; ++c) {
            const Bound childLow = c == 0 ? low : BoundOf(contents.items[c - 1]);
            const Bound childHigh = c == contents.itemCount ? high : BoundOf(contents.items[c]);
            Walk(contents.ChildAt(c), depth + 1, childLow, childHigh);
        }
    }

private:
    static Bound BoundOf(const PageItem& item) { return Bound{true, item.key, item.recordNumber}; }

    bool CheckItems(std::int32_t page, const std::uint8_t* slot, int depth, IndexPage& contents) {
        const KeyDescriptor& descriptor = block_.keys[key_];
        std::uint16_t count = 0;
        std::memcpy(&count, slot, sizeof count);
        if (count < 1 || count > descriptor.header.PageSize) {
            problems_.Add(what_ + ": page " + Text(page) + " holds " + Text(count) + " items (1.." +
                          Text(descriptor.header.PageSize) + " allowed)");
            return false;
        }
        if (depth > 1 && count < descriptor.header.PageSize / 2) {
            problems_.Add(what_ + ": page " + Text(page) + " holds " + Text(count) +
                          " items, fewer than half a page");
        }
        const int stride = descriptor.keyLen + kItemOverhead;
        for (int i = 0; i < count; ++i) {
            if (slot[6 + i * stride + 8] > descriptor.keyLen) {
                problems_.Add(what_ + ": page " + Text(page) + " item " + Text(i + 1) +
                              " has a key longer than " + Text(descriptor.keyLen));
            }
        }
        UnpackPage(slot, descriptor.keyLen, descriptor.header.PageSize, contents);
        return true;
    }

    void CheckOrder(std::int32_t page, const IndexPage& contents, const Bound& low,
                    const Bound& high) {
        const bool duplicates = block_.keys[key_].header.AllowDuplicates != 0;
        for (int i = 0; i < contents.itemCount; ++i) {
            const PageItem& item = contents.items[i];
            const Bound& before = i == 0 ? low : BoundOf(contents.items[i - 1]);
            const bool afterBefore =
                !before.present || CompareEntries(before.key.view(), before.record, item.key.view(),
                                                  item.recordNumber, duplicates) < 0;
            const bool beforeHigh = i + 1 < contents.itemCount || !high.present ||
                                    CompareEntries(item.key.view(), item.recordNumber,
                                                   high.key.view(), high.record, duplicates) < 0;
            if (!afterBefore || !beforeHigh) {
                problems_.Add(what_ + ": page " + Text(page) + " item " + Text(i + 1) +
                              " is out of order");
            }
        }
    }

    void NoteLeafDepth(std::int32_t page, int depth) {
        if (leafDepth_ == 0) {
            leafDepth_ = depth;
        } else if (depth != leafDepth_) {
            problems_.Add(what_ + ": leaf page " + Text(page) + " at depth " + Text(depth) +
                          ", other leaves at " + Text(leafDepth_));
        }
    }

    FileBlock& block_;
    int key_;
    std::vector<Mark>& marks_;
    Problems& problems_;
    std::string what_;
    int leafDepth_ = 0;
};

void CheckKey(FileBlock& block, int key, Problems& problems) {
    const KeyHeader& header = block.keys[key].header;
    const std::string what = "key " + Text(key);
    const std::int64_t rows = block.rowBytes > 0 ? SizeOf(block.index) / block.rowBytes - 1 : 0;
    if (header.PageCount < 0 || header.PageCount > rows) {
        problems.Add(what + ": PageCount " + Text(header.PageCount) + " outside the " +
                     Text(rows < 0 ? 0 : rows) + " rows of the index file");
    }
    if (header.AllowDuplicates > 1) {
        problems.Add(what + ": AllowDuplicates is " + Text(header.AllowDuplicates));
    }
    const std::int64_t limit =
        std::max<std::int64_t>(0, std::min<std::int64_t>(header.PageCount, rows));
    std::vector<Mark> marks(static_cast<std::size_t>(limit) + 1, Mark::Unseen);
    const auto freeLength = WalkFreeList(
        block.index, header.FreeHead, header.PageCount, limit,
        [&](std::int32_t page) { return PageOffset(block, key, page); }, marks, what, problems);
    if (freeLength && *freeLength != header.FreeCount) {
        problems.Add(what + ": free list holds " + Text(*freeLength) + " pages, FreeCount says " +
                     Text(header.FreeCount));
    }
    TreeChecker tree(block, key, marks, problems);
    if (header.RootPage != 0) {
        tree.Walk(header.RootPage, 1, Bound{}, Bound{});
    }
    if (tree.entries != header.EntryCount) {
        problems.Add(what + ": tree holds " + Text(tree.entries) + " entries, EntryCount says " +
                     Text(header.EntryCount));
    }
    if (!freeLength) {
        return;  // without the whole free list, unreached pages prove nothing
    }
    for (std::int64_t page = 1; page <= limit; ++page) {
        if (marks[page] == Mark::Unseen) {
            problems.Add(what + ": page " + Text(page) +
                         " is neither in the tree nor on the free list");
        }
    }
}

}  // namespace

std::vector<std::string> CheckFileBlockStructure(FileBlock* reference) {
    FileBlock* block = BeginCall(reference, false);
    if (block == nullptr) {
        return {"fileblock not open"};
    }
    Problems problems;
    CheckDataFile(*block, problems);
    for (int key = 1; key <= block->KeyCount(); ++key) {
        CheckKey(*block, key, problems);
    }
    detail::ClearStatus();
    return problems.Take();
}

}  // namespace oltoma::storage
