#include "base/text/windows1252.h"

#include <gtest/gtest.h>

#include "base/text/short_string.h"

namespace oltoma {
namespace {

TEST(Windows1252, DecodesHighControlsAndUndefinedBytes) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {
        {0x41, U'A'},      {0x80, U'\u20AC'}, {0x81, 0x81},      {0x8D, 0x8D},
        {0x8F, 0x8F},      {0x90, 0x90},      {0x9D, 0x9D},      {0x9F, U'\u0178'},
        {0xC5, U'\u00C5'}, {0xF6, U'\u00F6'}, {0xFF, U'\u00FF'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeWindows1252(c.byte), c.codePoint) << int(c.byte);
        char back = 0;
        ASSERT_TRUE(EncodeWindows1252(c.codePoint, back));
        EXPECT_EQ(static_cast<unsigned char>(back), c.byte);
    }
}

TEST(Windows1252, RoundTripsThroughUtf8) {
    EXPECT_EQ(Utf8FromWindows1252("sm\xF6rg\xE5s \x80"), "smörgås €");
    EXPECT_EQ(Windows1252FromUtf8("smörgås €"), "sm\xF6rg\xE5s \x80");
    EXPECT_EQ(Windows1252FromUtf8("日本"), "??");
    EXPECT_EQ(Windows1252FromUtf8("a\xC3"), "a?");  // cut sequence
}

TEST(Windows1252, PrintablePrefixStopsAtTheFirstControlOrUndefinedByte) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view text;
        std::string_view shown;
    };
    const Case cases[] = {
        {"arial.st\xE5\x65nde", "arial.st\xE5\x65nde"},  // all printable, € and nbsp too
        {"\x80 \xA0x", "\x80 \xA0x"},
        {"Laser\0garbage"sv, "Laser"},
        {"ab\x1F", "ab"},
        {"ab\x7F", "ab"},
        {"Giro\x81x", "Giro"},
        {"\x9D", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintablePrefix(c.text), c.shown);
    }
}

TEST(ShortString, CutsAtCapacityAndNeverReadsPastIt) {
    ShortString<3> s("abcdef");
    EXPECT_EQ(s.view(), "abc");
    EXPECT_EQ(s.length, 3);
    s.length = 200;  // as a hostile file could hold
    EXPECT_EQ(s.size(), 3u);
    s.assign("x");
    EXPECT_EQ(s.chars[1], 0);
    EXPECT_EQ(s.chars[2], 0);
}

}  // namespace
}  // namespace oltoma
