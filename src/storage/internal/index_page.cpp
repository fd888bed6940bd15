#include "storage/internal/index_page.h"

#include <cstring>

namespace oltoma::storage {
namespace {

void PackItem(const PageItem& item, int keyLen, std::uint8_t* out) {
    const ItemPrefix prefix{item.recordNumber, item.childPage};
    std::memcpy(out, &prefix, sizeof prefix);
    const std::size_t length = item.key.size() < static_cast<std::size_t>(keyLen)
                                   ? item.key.size()
                                   : static_cast<std::size_t>(keyLen);
    out[sizeof prefix] = static_cast<std::uint8_t>(length);
    std::memcpy(out + sizeof prefix + 1, item.key.chars, length);
    std::memset(out + sizeof prefix + 1 + length, 0, static_cast<std::size_t>(keyLen) - length);
}

void UnpackItem(const std::uint8_t* in, int keyLen, PageItem& item) {
    ItemPrefix prefix;
    std::memcpy(&prefix, in, sizeof prefix);
    item.recordNumber = prefix.RecordNumber;
    item.childPage = prefix.ChildPage;
    std::size_t length = in[sizeof prefix];
    if (length > static_cast<std::size_t>(keyLen)) {
        length = static_cast<std::size_t>(keyLen);
    }
    item.key.assign(
        std::string_view(reinterpret_cast<const char*>(in + sizeof prefix + 1), length));
}

}  // namespace

void PackItems(const IndexPage& page, int keyLen, std::uint8_t* out) {
    const int stride = keyLen + kItemOverhead;
    for (int i = 0; i < page.itemCount; ++i) {
        PackItem(page.items[i], keyLen, out + i * stride);
    }
}

void PackPage(const IndexPage& page, int keyLen, int pageBytes, std::uint8_t* out) {
    const PagePrefix prefix{static_cast<std::uint16_t>(page.itemCount), page.leftChild};
    std::memcpy(out, &prefix, sizeof prefix);
    PackItems(page, keyLen, out + sizeof prefix);
    const int used = static_cast<int>(sizeof prefix) + page.itemCount * (keyLen + kItemOverhead);
    std::memset(out + used, 0, static_cast<std::size_t>(pageBytes - used));
}

void UnpackItems(const std::uint8_t* in, int itemCount, int keyLen, IndexPage& page) {
    const int stride = keyLen + kItemOverhead;
    page.itemCount = itemCount;
    for (int i = 0; i < itemCount; ++i) {
        UnpackItem(in + i * stride, keyLen, page.items[i]);
    }
}

bool UnpackPage(const std::uint8_t* in, int keyLen, int pageSize, IndexPage& page) {
    PagePrefix prefix;
    std::memcpy(&prefix, in, sizeof prefix);
    page.leftChild = prefix.LeftChild;
    if (prefix.ItemCount > pageSize) {
        page.itemCount = 0;
        return false;
    }
    UnpackItems(in + sizeof prefix, prefix.ItemCount, keyLen, page);
    return true;
}

}  // namespace oltoma::storage
