#include "tool/script_tokens.h"

#include <gtest/gtest.h>

namespace oltoma::tool {
namespace {

TEST(ScriptTokensTest, Tokens) {
    std::vector<std::string_view> tokens;
    EXPECT_TRUE(SplitTokens("addrec A x00", tokens));
    EXPECT_EQ(tokens, (std::vector<std::string_view>{"addrec", "A", "x00"}));
    EXPECT_FALSE(SplitTokens("a  b", tokens));
    EXPECT_FALSE(SplitTokens(" a", tokens));
    EXPECT_FALSE(SplitTokens("a ", tokens));
    EXPECT_TRUE(SplitTokens("a\tb", tokens));  // only blanks separate
    EXPECT_EQ(tokens.size(), 1u);
}

TEST(ScriptTokensTest, NumbersAndBytes) {
    std::int32_t value = 0;
    EXPECT_TRUE(ParseInt32("-12", value));
    EXPECT_EQ(value, -12);
    for (const char* bad : {"", "+1", "1x", "2147483648", "0x10", " 1"}) {
        EXPECT_FALSE(ParseInt32(bad, value)) << bad;
    }
    std::string bytes;
    EXPECT_TRUE(ParseBytes("x", bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_TRUE(ParseBytes("x41fF00", bytes));
    EXPECT_EQ(bytes, std::string("A\xFF\0", 3));
    for (const char* bad : {"", "41", "x4", "x4g", "X41"}) {
        EXPECT_FALSE(ParseBytes(bad, bytes)) << bad;
    }
    EXPECT_EQ(FormatBytes(std::string("A\xFF\0", 3)), "x41ff00");
    EXPECT_EQ(FormatBytes(""), "x");
}

}  // namespace
}  // namespace oltoma::tool
