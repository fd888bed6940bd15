#include "base/font_conversion.h"

namespace oltoma {

void FontToSpec(const platform::FontDescription& font, FontSpec& spec) {
    spec = FontSpec{};
    spec.charset = font.charset;
    spec.colour = static_cast<std::int32_t>(font.colour);
    spec.height = font.height;
    spec.size = font.Size();
    spec.name = font.face;
    spec.pitch = static_cast<std::uint8_t>(font.pitch);
    spec.style = (font.bold ? kFontBold : 0) | (font.italic ? kFontItalic : 0) |
                 (font.underline ? kFontUnderline : 0) | (font.strikeOut ? kFontStrikeOut : 0);
}

void SpecToFont(const FontSpec& spec, platform::FontDescription& font) {
    font.charset = spec.charset;
    font.colour = static_cast<std::uint32_t>(spec.colour);
    font.SetSize(spec.size);
    font.height = spec.height;
    font.face = spec.name.str();
    font.pitch = spec.pitch <= static_cast<std::uint8_t>(platform::FontPitch::Fixed)
                     ? static_cast<platform::FontPitch>(spec.pitch)
                     : platform::FontPitch::Default;
    font.bold = (spec.style & kFontBold) != 0;
    font.italic = (spec.style & kFontItalic) != 0;
    font.underline = (spec.style & kFontUnderline) != 0;
    font.strikeOut = (spec.style & kFontStrikeOut) != 0;
}

void ApplyLogicalFont(const platform::FontDescription& logical, platform::FontDescription& font) {
    font.charset = logical.charset;
    font.height = logical.height;
    font.face = logical.face;
}

}  // namespace oltoma
