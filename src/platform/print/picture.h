// A decoded picture: width x height pixels, row by row from the top, each
// pixel 0xAARRGGBB. Pictures are loaded from files by a PictureLoader, built
// in (builtin_pictures.h) or decoded from JPEG data (jpeg_decoder.h), and
// drawn stretched by a Canvas.
//
// A picture has a cache key that identifies its content: copies share it,
// and any change of the pixels through the non-const accessors gives the
// picture a new one. A canvas that keeps a converted image per picture
// (to store a picture once in a document) looks it up by this key.
#pragma once

#include <cstdint>
#include <vector>

namespace oltoma::platform {

class Picture {
public:
    Picture() = default;
    // A picture filled with one colour; a size below 1 gives an empty one.
    Picture(int width, int height, std::uint32_t fill = 0xFFFFFFFF);
    // A copy shares the cache key of its original.
    Picture(const Picture& other)
        : width_(other.width_),
          height_(other.height_),
          monochrome_(other.monochrome_),
          pixels_(other.pixels_),
          key_(other.cacheKey()) {}
    Picture& operator=(const Picture& other) {
        if (this != &other) {
            width_ = other.width_;
            height_ = other.height_;
            monochrome_ = other.monochrome_;
            pixels_ = other.pixels_;
            key_ = other.cacheKey();
        }
        return *this;
    }
    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;

    bool empty() const { return width_ == 0 || height_ == 0; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Pixel access; x and y must lie inside the picture.
    std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t argb) {
        key_ = 0;
        pixels_[Index(x, y)] = argb;
    }

    // The pixels, width() * height() of them, top row first.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::vector<std::uint32_t>& pixels() {
        key_ = 0;
        return pixels_;
    }

    // True for a two-colour (black and white) picture.
    bool monochrome() const { return monochrome_; }
    void set_monochrome(bool monochrome) {
        key_ = 0;
        monochrome_ = monochrome;
    }

    // The key of the present content; never 0.
    std::uint64_t cacheKey() const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::vector<std::uint32_t> pixels_;
    mutable std::uint64_t key_ = 0;  // 0: to be assigned at the next cacheKey()
};

}  // namespace oltoma::platform
