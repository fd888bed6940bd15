#include "base/settings/font_conversion.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

platform::FontDescription SampleFont() {
    platform::FontDescription font;
    font.face = "Courier New";
    font.pixelsPerInch = 96;
    font.SetSize(12);
    font.charset = 0;
    font.colour = 0x00123456;
    font.pitch = platform::FontPitch::Fixed;
    font.bold = true;
    font.underline = true;
    return font;
}

TEST(FontConversion, RoundTripKeepsEveryProperty) {
    const platform::FontDescription font = SampleFont();
    FontSpec stored{};
    FontToSpec(font, stored);
    EXPECT_EQ(stored.size, 12);
    EXPECT_EQ(stored.height, -16);
    EXPECT_EQ(stored.colour, 0x00123456);
    EXPECT_EQ(stored.name, "Courier New");
    EXPECT_EQ(stored.pitch, 2);
    EXPECT_EQ(stored.style, kFontBold | kFontUnderline);

    platform::FontDescription back;
    SpecToFont(stored, back);
    EXPECT_EQ(back, font);
}

TEST(FontConversion, StoredHeightWinsOverTheSize) {
    FontSpec stored{};
    stored.name = "Arial";
    stored.size = 14;
    stored.height = 16;
    stored.pitch = 7;  // not a pitch code
    stored.style = kFontItalic | kFontStrikeOut;
    platform::FontDescription font;
    font.pixelsPerInch = 600;
    SpecToFont(stored, font);
    EXPECT_EQ(font.height, 16);
    EXPECT_EQ(font.pixelsPerInch, 600);
    EXPECT_EQ(font.pitch, platform::FontPitch::Default);
    EXPECT_TRUE(font.italic && font.strikeOut && !font.bold && !font.underline);
}

TEST(FontConversion, LongFaceNamesAreCutToEightyCharacters) {
    platform::FontDescription font = SampleFont();
    font.face = std::string(100, 'x');
    FontSpec stored{};
    FontToSpec(font, stored);
    EXPECT_EQ(stored.name.size(), 80u);
}

TEST(FontConversion, LogicalFontGivesCharsetHeightAndFace) {
    platform::FontDescription logical;
    logical.face = "Symbol";
    logical.height = -30;
    logical.charset = 2;
    logical.bold = true;
    platform::FontDescription font = SampleFont();
    ApplyLogicalFont(logical, font);
    EXPECT_EQ(font.face, "Symbol");
    EXPECT_EQ(font.height, -30);
    EXPECT_EQ(font.charset, 2);
    EXPECT_TRUE(font.underline);  // kept
    EXPECT_EQ(font.colour, 0x00123456u);
}

}  // namespace
}  // namespace oltoma
