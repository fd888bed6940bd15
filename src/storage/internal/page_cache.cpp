#include "storage/internal/page_cache.h"

#include <new>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_file.h"

namespace oltoma::storage {

int PageCache::Allocate(int wanted) {
    Release();
    const int limit = wanted < kMaxBuffers ? wanted : kMaxBuffers;
    buffers_.reserve(static_cast<std::size_t>(limit));
    for (int i = 0; i < limit; ++i) {
        std::unique_ptr<IndexPage> buffer(new (std::nothrow) IndexPage);
        if (!buffer) {
            break;
        }
        buffers_.push_back(std::move(buffer));
    }
    const int count = Size();
    if (count < kMinPageBuffers) {
        Release();
        return 0;
    }
    tags_.assign(static_cast<std::size_t>(count), Tag{});
    next_.assign(static_cast<std::size_t>(count) + 1, 0);
    previous_.assign(static_cast<std::size_t>(count) + 1, 0);
    scratch_.reserve(static_cast<std::size_t>(count));
    std::size_t buckets = 1;
    while (buckets < 2 * static_cast<std::size_t>(count)) {
        buckets *= 2;
    }
    bucketHead_.assign(buckets, -1);
    chainNext_.assign(static_cast<std::size_t>(count), -1);
    const int sentinel = count;
    next_[sentinel] = previous_[sentinel] = sentinel;
    for (int i = 0; i < count; ++i) {
        AppendMostRecent(i);
    }
    return count;
}

void PageCache::Release() {
    buffers_.clear();
    buffers_.shrink_to_fit();
    tags_.clear();
    next_.clear();
    previous_.clear();
    scratch_.clear();
    bucketHead_.clear();
    chainNext_.clear();
}

std::size_t PageCache::BucketOf(const FileBlock* owner, int key, std::int32_t page) const {
    std::uint64_t hash = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(owner));
    hash ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(key)) << 32) ^
            static_cast<std::uint32_t>(page);
    hash *= 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(hash >> 32) & (bucketHead_.size() - 1);
}

int PageCache::Find(const FileBlock& block, int key, std::int32_t page) const {
    for (int i = bucketHead_[BucketOf(&block, key, page)]; i >= 0; i = chainNext_[i]) {
        const Tag& tag = tags_[i];
        if (tag.owner == &block && tag.page == page && tag.key == key) {
            return i;
        }
    }
    return -1;
}

void PageCache::SetTag(int buffer, const Tag& tag) {
    Tag& held = tags_[buffer];
    if (held.owner == tag.owner && held.key == tag.key && held.page == tag.page) {
        held = tag;
        return;
    }
    if (held.owner != nullptr) {
        int* link = &bucketHead_[BucketOf(held.owner, held.key, held.page)];
        while (*link != buffer) {
            link = &chainNext_[*link];
        }
        *link = chainNext_[buffer];
    }
    held = tag;
    if (tag.owner != nullptr) {
        int& head = bucketHead_[BucketOf(tag.owner, tag.key, tag.page)];
        chainNext_[buffer] = head;
        head = buffer;
    }
}

void PageCache::Unlink(int buffer) {
    next_[previous_[buffer]] = next_[buffer];
    previous_[next_[buffer]] = previous_[buffer];
}

void PageCache::AppendMostRecent(int buffer) {
    const int sentinel = Size();
    const int last = previous_[sentinel];
    next_[last] = buffer;
    previous_[buffer] = last;
    next_[buffer] = sentinel;
    previous_[sentinel] = buffer;
}

bool PageCache::WriteBack(int buffer) {
    Tag& tag = tags_[buffer];
    if (tag.owner == nullptr || !tag.dirty) {
        return true;
    }
    FileBlock& owner = *const_cast<FileBlock*>(tag.owner);
    if (!WriteIndexPage(owner, tag.key, tag.page, *buffers_[buffer])) {
        return false;
    }
    tag.dirty = false;
    return true;
}

int PageCache::TakeVictim() {
    const int victim = next_[Size()];
    if (!WriteBack(victim)) {
        return -1;
    }
    SetTag(victim, Tag{});
    return victim;
}

const IndexPage* PageCache::Get(FileBlock& block, int key, std::int32_t page) {
    int buffer = Find(block, key, page);
    if (buffer < 0) {
        buffer = TakeVictim();
        if (buffer < 0) {
            return nullptr;
        }
        if (!ReadIndexPage(block, key, page, *buffers_[buffer])) {
            return nullptr;
        }
        SetTag(buffer, Tag{&block, page, key, false});
    }
    Unlink(buffer);
    AppendMostRecent(buffer);
    return buffers_[buffer].get();
}

bool PageCache::Put(FileBlock& block, int key, std::int32_t page, const IndexPage& contents) {
    int buffer = Find(block, key, page);
    if (buffer < 0) {
        buffer = TakeVictim();
        if (buffer < 0) {
            return false;
        }
    }
    *buffers_[buffer] = contents;
    SetTag(buffer, Tag{&block, page, key, true});
    Unlink(buffer);
    AppendMostRecent(buffer);
    return true;
}

void PageCache::MoveHeldToMostRecent() {
    const int sentinel = Size();
    scratch_.clear();
    for (int i = next_[sentinel]; i != sentinel; i = next_[i]) {
        if (tags_[i].owner != nullptr) {
            scratch_.push_back(i);
        }
    }
    for (const int buffer : scratch_) {
        Unlink(buffer);
        AppendMostRecent(buffer);
    }
}

void PageCache::Drop(const FileBlock& block, int key, std::int32_t page) {
    const int buffer = Find(block, key, page);
    if (buffer >= 0) {
        SetTag(buffer, Tag{});
        MoveHeldToMostRecent();
    }
}

void PageCache::DropAll(const FileBlock& block) {
    bool any = false;
    for (int i = 0; i < Size(); ++i) {
        if (tags_[i].owner == &block) {
            SetTag(i, Tag{});
            any = true;
        }
    }
    if (any) {
        MoveHeldToMostRecent();
    }
}

void PageCache::MarkClean(const FileBlock& block) {
    for (Tag& tag : tags_) {
        if (tag.owner == &block) {
            tag.dirty = false;
        }
    }
}

bool PageCache::WriteDirty(FileBlock& block) {
    const int count = Size();
    for (int i = 0; i < count; ++i) {
        if (tags_[i].owner == &block && tags_[i].dirty && !WriteBack(i)) {
            return false;
        }
    }
    return true;
}

}  // namespace oltoma::storage
