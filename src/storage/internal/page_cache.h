// The page cache shared by all open fileblocks: a fixed pool of page buffers
// in least-recently-used order.
//
// Invariants:
//   1. A (fileblock, key, page) is held by at most one buffer.
//   2. A buffer found or filled becomes the most recently used.
//   3. A miss takes the least recently used buffer, writing its page first
//      when it is dirty.
//   4. When a page is dropped its buffer is cleared and every buffer that
//      still holds a page moves to the most-recently-used end (keeping its
//      order), so free buffers are reused first.
//   5. Every buffer that holds a page is on the chain of its page's hash
//      bucket, and no other buffer is on any chain; a lookup walks only that
//      chain. Since a page is held by at most one buffer, this finds the same
//      buffer as a search of all buffers.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "storage/internal/index_page.h"

namespace oltoma::storage {

struct FileBlock;

class PageCache {
public:
    // Allocates buffers one by one up to `wanted` (at most kMaxBuffers).
    // Returns the number obtained; with fewer than 8 nothing stays allocated
    // and 0 is returned.
    int Allocate(int wanted);
    void Release();
    int Size() const { return static_cast<int>(buffers_.size()); }

    // Page `page` of key `key`: from the cache or read from the index file.
    // nullptr on failure (status set). The pointer is valid until the next
    // call on the cache.
    const IndexPage* Get(FileBlock& block, int key, std::int32_t page);
    // Stores changed page contents (read first or not) and marks them dirty.
    bool Put(FileBlock& block, int key, std::int32_t page, const IndexPage& contents);
    // Forgets one page without writing it.
    void Drop(const FileBlock& block, int key, std::int32_t page);
    // Forgets every page of the fileblock without writing.
    void DropAll(const FileBlock& block);
    // Writes every dirty page of the fileblock, keeping them cached.
    bool WriteDirty(FileBlock& block);
    // Marks the fileblock's pages clean without writing them (they were
    // written from elsewhere).
    void MarkClean(const FileBlock& block);

    static constexpr int kMaxBuffers = 1 << 16;

private:
    struct Tag {
        const FileBlock* owner = nullptr;
        std::int32_t page = 0;
        int key = 0;
        bool dirty = false;
    };

    int Find(const FileBlock& block, int key, std::int32_t page) const;
    std::size_t BucketOf(const FileBlock* owner, int key, std::int32_t page) const;
    // Gives the buffer a new tag, moving it to the chain of its new bucket.
    void SetTag(int buffer, const Tag& tag);
    // The least recently used buffer, written back and cleared; -1 on failure.
    int TakeVictim();
    bool WriteBack(int buffer);
    void Unlink(int buffer);
    void AppendMostRecent(int buffer);
    void MoveHeldToMostRecent();

    std::vector<std::unique_ptr<IndexPage>> buffers_;
    std::vector<Tag> tags_;
    // Circular list through a sentinel at index Size(): next_ runs from least
    // to most recently used.
    std::vector<int> next_;
    std::vector<int> previous_;
    std::vector<int> scratch_;
    // Hash chains of the buffers that hold a page: bucketHead_ per bucket
    // (a power of two of them), chainNext_ per buffer; -1 ends a chain.
    std::vector<int> bucketHead_;
    std::vector<int> chainNext_;
};

}  // namespace oltoma::storage
