#include "platform/print/picture.h"

#include <atomic>

namespace oltoma::platform {

Picture::Picture(int width, int height, std::uint32_t fill) {
    if (width < 1 || height < 1) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::uint64_t Picture::cacheKey() const {
    static std::atomic<std::uint64_t> next{1};
    if (key_ == 0) {
        key_ = next.fetch_add(1);
    }
    return key_;
}

}  // namespace oltoma::platform
