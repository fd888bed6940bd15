// A font as the canvas draws it and as the settings store it (the stored
// form is FontSpec in the configuration file). Like the platform's font
// objects it keeps its height in device pixels at a resolution of
// pixelsPerInch; its size in points is derived from the height:
//   size = -round(height * 72 / pixelsPerInch)
// and setting the size sets height = -round(size * pixelsPerInch / 72).
// A negative height is the character height, a positive one the cell height.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace oltoma::platform {

enum class FontPitch : std::uint8_t { Default = 0, Variable = 1, Fixed = 2 };

struct FontDescription {
    std::string face = "Arial";  // Windows-1252, at most 80 characters
    int height = -13;            // device pixels at pixelsPerInch
    int pixelsPerInch = 96;
    int charset = 1;           // the platform's default character set
    std::uint32_t colour = 0;  // 0x00BBGGRR
    FontPitch pitch = FontPitch::Default;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    int Size() const { return -static_cast<int>(std::lround(height * 72.0 / pixelsPerInch)); }
    void SetSize(int points) {
        height = -static_cast<int>(std::lround(points * static_cast<double>(pixelsPerInch) / 72.0));
    }

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace oltoma::platform
