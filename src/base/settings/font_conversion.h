// Between the platform's font description and the stored FontSpec.
#pragma once

#include "base/settings/settings_records.h"
#include "platform/font_description.h"

namespace oltoma {

// Stores the font's character set, colour, size in points, height, face
// name (at most 80 characters), pitch and style; the padding byte is 0.
void FontToSpec(const platform::FontDescription& font, FontSpec& stored);

// Applies the stored font in the order character set, colour, size, height,
// name, pitch, style, so the stored height wins over the size. A pitch code
// outside 0..2 reads as the default pitch. The font's resolution is kept.
void SpecToFont(const FontSpec& stored, platform::FontDescription& font);

// Applies a logical font description's character set, height and face name
// to the font; everything else of the font stays.
void ApplyLogicalFont(const platform::FontDescription& logical, platform::FontDescription& font);

}  // namespace oltoma
