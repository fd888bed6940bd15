#include "storage/page_cache.h"

#include <new>

#include "storage/fileblock.h"
#include "storage/index_file.h"

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
}

int PageCache::Find(const FileBlock& block, int key, std::int32_t page) const {
    const int count = Size();
    for (int i = 0; i < count; ++i) {
        const Tag& tag = tags_[i];
        if (tag.owner == &block && tag.page == page && tag.key == key) {
            return i;
        }
    }
    return -1;
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
    tags_[victim] = Tag{};
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
        tags_[buffer] = Tag{&block, page, key, false};
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
    tags_[buffer] = Tag{&block, page, key, true};
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
        tags_[buffer] = Tag{};
        MoveHeldToMostRecent();
    }
}

void PageCache::DropAll(const FileBlock& block) {
    bool any = false;
    for (Tag& tag : tags_) {
        if (tag.owner == &block) {
            tag = Tag{};
            any = true;
        }
    }
    if (any) {
        MoveHeldToMostRecent();
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
