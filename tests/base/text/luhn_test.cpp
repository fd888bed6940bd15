#include "base/text/luhn.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

TEST(Luhn, ChecksTheDigitsAndIgnoresEverythingElse) {
    const std::pair<const char*, bool> cases[] = {
        {"4992739871 6", true}, {"49927398716", true}, {"49927398717", false}, {"", true},
        {"abc", true},          {"0", true},           {"18", true},           {"19", false},
        {"123-456-7", false},   {"5 9", true},  // 9 weighted 1, 5 weighted 2 gives 10 - 9 = 1: 10
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(LuhnValid(text), valid) << text;
    }
}

}  // namespace
}  // namespace oltoma
