#include "ol/data/records/record_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace oltoma::ol {
namespace {

TEST(RecordText, FieldsWithoutOemLettersStayByteForByte) {
    // Windows-1252 text as this system writes it, with leftovers after the
    // length, is not touched: not even the bytes after the text.
    ShortString<8> field;
    std::memcpy(field.chars, "G\xF6ta\x01\x02\x03\x04", 8);
    field.length = 4;
    const ShortString<8> before = field;
    ConvertOemField(field);
    EXPECT_EQ(std::memcmp(&field, &before, sizeof field), 0);
}

TEST(RecordText, HostileLengthBytesAreContained) {
    // A length byte far beyond the field: the OEM text is read and
    // converted only within the field.
    ShortString<2> field;
    field.length = 200;
    std::memcpy(field.chars, "\x94x", 2);
    ConvertOemField(field);
    EXPECT_EQ(field, "\xF6x");
    EXPECT_EQ(field.length, 2);

    ShortString<6> cut;
    cut.length = 255;
    std::memcpy(cut.chars, "abcdef", 6);
    CutField(cut, 4);
    EXPECT_EQ(cut, "abcd");
}

TEST(RecordText, LongPathsEndAtTheFirstNulOrAfter1024Characters) {
    TLongPathName path;
    std::memset(path.chars, 'a', sizeof path.chars);  // no NUL at all
    EXPECT_EQ(path.str(), std::string(1024, 'a'));

    path.chars[0] = '\x94';  // OEM letter: the whole path is converted
    ConvertOemField(path);
    EXPECT_EQ(path.str(), "\xF6" + std::string(1023, 'a'));
    EXPECT_EQ(path.chars[1024], '\0');

    path.assign("data/C");
    EXPECT_EQ(path.str(), "data/C");
    EXPECT_EQ(path.chars[6], '\0');
    EXPECT_EQ(path.chars[1024], '\0');
    path.assign(std::string(2000, 'b'));
    EXPECT_EQ(path.str(), std::string(1024, 'b'));
}

}  // namespace
}  // namespace oltoma::ol
