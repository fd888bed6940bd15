// A decoded picture: width x height pixels, row by row from the top, each
// pixel 0xAARRGGBB. Pictures are loaded from files by a PictureLoader, built
// in (builtin_pictures.h) or decoded from JPEG data (jpeg_decoder.h), and
// drawn stretched by a Canvas.
#pragma once

#include <cstdint>
#include <vector>

namespace oltoma::platform {

class Picture {
public:
    Picture() = default;
    // A picture filled with one colour; a size below 1 gives an empty one.
    Picture(int width, int height, std::uint32_t fill = 0xFFFFFFFF);

    bool empty() const { return width_ == 0 || height_ == 0; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Pixel access; x and y must lie inside the picture.
    std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t argb) { pixels_[Index(x, y)] = argb; }

    // The pixels, width() * height() of them, top row first.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::vector<std::uint32_t>& pixels() { return pixels_; }

    // True for a two-colour (black and white) picture.
    bool monochrome() const { return monochrome_; }
    void set_monochrome(bool monochrome) { monochrome_ = monochrome; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace oltoma::platform
