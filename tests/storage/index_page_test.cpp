// Packing index pages to their on-disk layout, against a plain byte-by-byte
// packer: every key length (the item stride then spans 10..39 bytes), pages
// of 1..62 items, keys with stray bytes after their length and lengths above
// the index's key length. Bytes past the page stay untouched.
#include "storage/internal/index_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "storage/internal/index_format.h"

namespace oltoma::storage {
namespace {

constexpr std::uint8_t kGuard = 0xA5;

// The page as the format describes it, one byte at a time.
std::vector<std::uint8_t> ReferencePage(const IndexPage& page, int keyLen, int pageBytes) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(pageBytes), 0);
    auto put32 = [&](std::size_t at, std::int32_t value) { std::memcpy(&out[at], &value, 4); };
    const auto count = static_cast<std::uint16_t>(page.itemCount);
    std::memcpy(&out[0], &count, 2);
    put32(2, page.leftChild);
    for (int i = 0; i < page.itemCount; ++i) {
        const std::size_t at = 6 + static_cast<std::size_t>(i * (keyLen + kItemOverhead));
        const PageItem& item = page.items[i];
        put32(at, item.recordNumber);
        put32(at + 4, item.childPage);
        const std::size_t length = std::min<std::size_t>(item.key.size(), keyLen);
        out[at + 8] = static_cast<std::uint8_t>(length);
        for (std::size_t c = 0; c < length; ++c) {
            out[at + 9 + c] = static_cast<std::uint8_t>(item.key.chars[c]);
        }
    }
    return out;
}

IndexPage PageOf(int items, int seed) {
    IndexPage page;
    page.itemCount = items;
    page.leftChild = 7000 + seed;
    for (int i = 0; i < items; ++i) {
        PageItem& item = page.items[i];
        item.recordNumber = 100 * seed + i;
        item.childPage = i % 3 == 0 ? 0 : 50 + i;
        const int length = (i * 7 + seed) % 31;  // 0..30, often above keyLen
        std::memset(item.key.chars, 0x80 + (i % 64), sizeof item.key.chars);  // stray bytes
        item.key.length = static_cast<std::uint8_t>(length);
        for (int c = 0; c < length; ++c) {
            item.key.chars[c] = static_cast<char>('A' + (i + c) % 26);
        }
    }
    return page;
}

TEST(IndexPage, PackingMatchesTheFormatForEveryKeyLengthAndItemCount) {
    for (int keyLen = 1; keyLen <= kMaxKeyLen; ++keyLen) {
        const int pageBytes = PageBytesOf(kPageSize, keyLen);
        for (int items : {1, 2, 3, 4, 5, 31, 61, 62}) {
            const IndexPage page = PageOf(items, keyLen);
            std::vector<std::uint8_t> packed(static_cast<std::size_t>(pageBytes) + 64, kGuard);
            PackPage(page, keyLen, pageBytes, packed.data());
            const std::vector<std::uint8_t> expected = ReferencePage(page, keyLen, pageBytes);
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), packed.begin()))
                << "key length " << keyLen << ", " << items << " items";
            for (std::size_t i = static_cast<std::size_t>(pageBytes); i < packed.size(); ++i) {
                ASSERT_EQ(packed[i], kGuard)
                    << "written past the page: key length " << keyLen << ", " << items << " items";
            }

            const std::size_t itemBytes =
                static_cast<std::size_t>(items * (keyLen + kItemOverhead));
            std::vector<std::uint8_t> only(itemBytes + 64, kGuard);
            PackItems(page, keyLen, only.data());
            ASSERT_TRUE(std::equal(only.begin(),
                                   only.begin() + static_cast<std::ptrdiff_t>(itemBytes),
                                   expected.begin() + 6));
            for (std::size_t i = itemBytes; i < only.size(); ++i) {
                ASSERT_EQ(only[i], kGuard) << "items written past their end: key length " << keyLen
                                           << ", " << items << " items";
            }
        }
    }
}

}  // namespace
}  // namespace oltoma::storage
