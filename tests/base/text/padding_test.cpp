#include "base/text/padding.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

struct PadCase {
    const char* text;
    char fill;
    int width;
    const char* right;
    const char* left;
};

TEST(Padding, PadsToTheWidthButNeverCuts) {
    const PadCase cases[] = {
        {"ABC", '.', 2, "ABC", "ABC"},  {"ABC", '.', 5, "ABC..", "..ABC"},
        {"ABC", '.', 3, "ABC", "ABC"},  {"", '0', 3, "000", "000"},
        {"ABC", '.', -4, "ABC", "ABC"}, {"", ' ', 0, "", ""},
    };
    for (const PadCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " width " + std::to_string(c.width));
        EXPECT_EQ(PadRight(c.text, c.fill, c.width), c.right);
        EXPECT_EQ(PadLeft(c.text, c.fill, c.width), c.left);
    }
    EXPECT_EQ(PadSpaces("ab", 4), "ab  ");
}

TEST(Padding, ResultsStopAt255Characters) {
    EXPECT_EQ(PadRight("x", '.', 1000).size(), 255u);
    EXPECT_EQ(PadLeft(std::string(300, 'a'), '.', 10).size(), 255u);
    EXPECT_EQ(RepeatChar('*', 3), "***");
    EXPECT_EQ(RepeatChar('*', 0), "");
    EXPECT_EQ(RepeatChar('*', -2), "");
    EXPECT_EQ(RepeatChar('*', 999).size(), 255u);
}

TEST(Padding, TrimTrailingSpaces) {
    const std::pair<const char*, const char*> cases[] = {
        {"   ", " "}, {"", ""}, {"ab  ", "ab"}, {"  ab", "  ab"}, {"a b ", "a b"}, {"ab", "ab"},
    };
    for (const auto& [text, trimmed] : cases) {
        EXPECT_EQ(TrimTrailingSpaces(text), trimmed) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace oltoma
