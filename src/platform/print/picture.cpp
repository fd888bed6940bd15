#include "platform/print/picture.h"

namespace oltoma::platform {

Picture::Picture(int width, int height, std::uint32_t fill) {
    if (width < 1 || height < 1) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

}  // namespace oltoma::platform
