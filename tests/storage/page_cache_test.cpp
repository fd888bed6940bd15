// The page cache's numbered invariants (page_cache.h), checked on the cache
// itself against a model of least-recently-used buffers. Every page on disk
// carries a marker (the record number of its one item); before each read the
// test writes a fresh marker behind the cache's back, so the marker a read
// returns tells whether the page came from a buffer or from the file, and the
// markers on disk tell which pages were written back.
#include "storage/internal/page_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>
#include <vector>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_file.h"
#include "storage/internal/isam_engine.h"
#include "storage/isam_status.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

constexpr int kBuffers = kMinPageBuffers;
constexpr int kPages = 32;  // per key
constexpr int kBlocks = 2;
constexpr int kKeys = 2;

struct PageId {
    int block = 0;  // index into the test's fileblocks
    int key = 1;
    std::int32_t page = 1;
    auto operator<=>(const PageId&) const = default;
};

// What the cache should hold: free buffers first, then the held pages from
// the least to the most recently used (invariants 2 and 4).
class CacheModel {
public:
    struct Held {
        PageId id;
        int marker = 0;
        bool dirty = false;
    };

    // The marker a read returns; the page becomes the most recently used.
    int Get(const PageId& id) {
        if (Held* held = Find(id)) {
            const Held hit = *held;
            Erase(id);
            held_.push_back(hit);
            return hit.marker;
        }
        MakeRoom();
        held_.push_back({id, disk[id], false});
        return disk[id];
    }

    void Put(const PageId& id, int marker) {
        if (Find(id) != nullptr) {
            Erase(id);
        } else {
            MakeRoom();
        }
        held_.push_back({id, marker, true});
    }

    void Drop(const PageId& id) {
        if (Find(id) != nullptr) {
            Erase(id);
            ++free_;
        }
    }

    void DropAll(int block) {
        free_ += static_cast<int>(
            std::erase_if(held_, [&](const Held& h) { return h.id.block == block; }));
    }

    void WriteDirty(int block) {
        for (Held& held : held_) {
            if (held.id.block == block && held.dirty) {
                disk[held.id] = held.marker;
                held.dirty = false;
            }
        }
    }

    std::map<PageId, int> disk;

private:
    Held* Find(const PageId& id) {
        const auto found =
            std::find_if(held_.begin(), held_.end(), [&](const Held& h) { return h.id == id; });
        return found == held_.end() ? nullptr : &*found;
    }
    void Erase(const PageId& id) {
        std::erase_if(held_, [&](const Held& h) { return h.id == id; });
    }
    // A miss takes a free buffer first, else the least recently used one,
    // whose page is written back when dirty (invariant 3).
    void MakeRoom() {
        if (free_ > 0) {
            --free_;
            return;
        }
        const Held victim = held_.front();
        held_.erase(held_.begin());
        if (victim.dirty) {
            disk[victim.id] = victim.marker;
        }
    }

    int free_ = kBuffers;
    std::vector<Held> held_;
};

class PageCacheTest : public testing::StorageTest {
protected:
    void SetUp() override {
        StorageTest::SetUp();
        const IndexDescriptor keys[kKeys] = {{10, false}, {10, false}};
        for (int b = 0; b < kBlocks; ++b) {
            const std::string name = "CACHE" + std::to_string(b);
            engine::MakeFileBlock(name, 30, kKeys, keys);
            engine::OpenFileBlock(blocks_[b], name, false, false, false, false);
            ASSERT_TRUE(IsamSucceeded()) << IsamError();
            for (int page = 1; page <= kPages; ++page) {
                ASSERT_TRUE(AppendZeroRow(*blocks_[b]));
            }
        }
        ASSERT_EQ(cache.Allocate(kBuffers), kBuffers);
        for (const PageId& id : AllPages()) {
            WriteBehind(id);
        }
    }

    void TearDown() override {
        cache.Release();
        for (FileBlock*& block : blocks_) {
            engine::CloseFileBlock(block);
        }
        StorageTest::TearDown();
    }

    static std::vector<PageId> AllPages() {
        std::vector<PageId> pages;
        for (int b = 0; b < kBlocks; ++b) {
            for (int key = 1; key <= kKeys; ++key) {
                for (int page = 1; page <= kPages; ++page) {
                    pages.push_back({b, key, page});
                }
            }
        }
        return pages;
    }

    static IndexPage PageWith(int marker) {
        IndexPage page;
        page.itemCount = 1;
        page.items[0].recordNumber = marker;
        page.items[0].key = "K";
        return page;
    }

    // Writes a fresh marker into the file, past the cache.
    void WriteBehind(const PageId& id) {
        const int marker = ++lastMarker_;
        ASSERT_TRUE(WriteIndexPage(Block(id), id.key, id.page, PageWith(marker)));
        model.disk[id] = marker;
    }

    int OnDisk(const PageId& id) {
        IndexPage page;
        EXPECT_TRUE(ReadIndexPage(Block(id), id.key, id.page, page));
        return page.items[0].recordNumber;
    }

    // A read through the cache, after a fresh marker went to the file: the
    // cache must answer as the model does.
    void Get(const PageId& id) {
        WriteBehind(id);
        const IndexPage* page = cache.Get(Block(id), id.key, id.page);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->items[0].recordNumber, model.Get(id))
            << "block " << id.block << " key " << id.key << " page " << id.page;
    }

    void Put(const PageId& id) {
        const int marker = ++lastMarker_;
        ASSERT_TRUE(cache.Put(Block(id), id.key, id.page, PageWith(marker)));
        model.Put(id, marker);
    }

    void Drop(const PageId& id) {
        cache.Drop(Block(id), id.key, id.page);
        model.Drop(id);
    }

    void DropAll(int block) {
        cache.DropAll(*blocks_[block]);
        model.DropAll(block);
    }

    void WriteDirty(int block) {
        ASSERT_TRUE(cache.WriteDirty(*blocks_[block]));
        model.WriteDirty(block);
    }

    // Every page on disk holds what the model says was written back.
    void ExpectDiskAsModelled() {
        for (const PageId& id : AllPages()) {
            EXPECT_EQ(OnDisk(id), model.disk[id])
                << "block " << id.block << " key " << id.key << " page " << id.page;
        }
    }

    FileBlock& Block(const PageId& id) { return *blocks_[id.block]; }

    PageCache cache;
    CacheModel model;

private:
    FileBlock* blocks_[kBlocks] = {};
    int lastMarker_ = 0;
};

// 2 and 3: a hit keeps its page; a miss replaces the least recently used
// page, writing it first only when it is dirty.
TEST_F(PageCacheTest, MissReplacesTheLeastRecentlyUsedAndWritesItOnlyWhenDirty) {
    for (int page = 1; page <= kBuffers; ++page) {
        Get({0, 1, page});
    }
    Put({0, 1, 2});  // dirty, most recent
    Get({0, 1, 1});  // most recent: 3 4 5 6 7 8 2 1 from the least
    Get({0, 2, 1});  // replaces page 3, clean: nothing written
    Get({0, 2, 2});  // replaces page 4
    ExpectDiskAsModelled();
    for (int page = 3; page <= 6; ++page) {
        Get({0, 2, page});  // replace pages 5 to 8
    }
    Get({0, 2, 7});  // replaces the dirty page 2: written first
    ExpectDiskAsModelled();
    Get({0, 1, 2});  // read back from the file
}

// 4: a dropped page frees its buffer, and the next miss takes that buffer
// rather than any page still held.
TEST_F(PageCacheTest, DroppedBuffersAreReusedBeforeAnyHeldPage) {
    for (int page = 1; page <= kBuffers; ++page) {
        Get({0, 1, page});
    }
    Put({0, 1, 4});
    Drop({0, 1, 4});  // forgotten, not written
    Drop({0, 1, 6});
    Get({0, 2, 1});
    Get({0, 2, 2});
    for (int page : {1, 2, 3, 5, 7, 8}) {
        Get({0, 1, page});  // all still held
    }
    ExpectDiskAsModelled();
}

// 1 and 5: a page is held once, under the owner, key and page it belongs
// to: the same page number of another key or fileblock is another page, even
// where their buffers share a hash chain, and a page put, dropped and read
// again comes from the file.
TEST_F(PageCacheTest, APageIsHeldOnceUnderItsOwnerKeyAndNumber) {
    for (int page = 1; page <= kPages; ++page) {
        const PageId twins[] = {{0, 1, page}, {0, 2, page}, {1, 1, page}, {1, 2, page}};
        for (const PageId& id : twins) {
            Put(id);
        }
        for (const PageId& id : twins) {
            Get(id);
        }
    }
    Put({0, 1, 3});
    Drop({0, 1, 3});
    Get({0, 1, 3});
    DropAll(1);
    Get({1, 2, kPages});
    WriteDirty(0);
    ExpectDiskAsModelled();
}

// All invariants over a long random mix of operations on two fileblocks.
TEST_F(PageCacheTest, FollowsTheModelThroughARandomMixOfOperations) {
    std::mt19937 random(20240304);
    const std::vector<PageId> pages = AllPages();
    std::uniform_int_distribution<std::size_t> anyPage(0, pages.size() - 1);
    std::uniform_int_distribution<int> anyOperation(0, 99);
    for (int step = 0; step < 4000 && !HasFailure(); ++step) {
        const PageId id = pages[anyPage(random)];
        const int operation = anyOperation(random);
        if (operation < 55) {
            Get(id);
        } else if (operation < 85) {
            Put(id);
        } else if (operation < 95) {
            Drop(id);
        } else if (operation < 98) {
            WriteDirty(id.block);
        } else {
            DropAll(id.block);
        }
        if (step % 100 == 0) {
            ExpectDiskAsModelled();
        }
    }
    ExpectDiskAsModelled();
}

}  // namespace
}  // namespace oltoma::storage
