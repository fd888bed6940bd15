#include "base/settings/font_conversion.h"

namespace oltoma {

void FontToSpec(const platform::FontDescription& font, FontSpec& stored) {
    stored = FontSpec{};
    stored.charset = font.charset;
    stored.colour = static_cast<std::int32_t>(font.colour);
    stored.height = font.height;
    stored.size = font.Size();
    stored.name = font.face;
    stored.pitch = static_cast<std::uint8_t>(font.pitch);
    stored.style = (font.bold ? kFontBold : 0) | (font.italic ? kFontItalic : 0) |
                   (font.underline ? kFontUnderline : 0) | (font.strikeOut ? kFontStrikeOut : 0);
}

void SpecToFont(const FontSpec& stored, platform::FontDescription& font) {
    font.charset = stored.charset;
    font.colour = static_cast<std::uint32_t>(stored.colour);
    font.SetSize(stored.size);
    font.height = stored.height;
    font.face = stored.name.str();
    font.pitch = stored.pitch <= static_cast<std::uint8_t>(platform::FontPitch::Fixed)
                     ? static_cast<platform::FontPitch>(stored.pitch)
                     : platform::FontPitch::Default;
    font.bold = (stored.style & kFontBold) != 0;
    font.italic = (stored.style & kFontItalic) != 0;
    font.underline = (stored.style & kFontUnderline) != 0;
    font.strikeOut = (stored.style & kFontStrikeOut) != 0;
}

void ApplyLogicalFont(const platform::FontDescription& logical, platform::FontDescription& font) {
    font.charset = logical.charset;
    font.height = logical.height;
    font.face = logical.face;
}

}  // namespace oltoma
