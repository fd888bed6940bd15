#include "base/files/exchange_field.h"

#include <gtest/gtest.h>

#include <string>

namespace oltoma {
namespace {

TEST(ExchangeField, FieldsBetweenSeparators) {
    const struct {
        const char* line;
        int n;
        const char* field;
    } cases[] = {
        {"a,b,,d", 1, "a"},
        {"a,b,,d", 3, ""},
        {"a,b,,d", 4, "d"},
        {"a,b,,d", 5, ""},
        {"a,b,,d", 0, ""},
        {"", 1, ""},
        {"ab  ,x", 1, "ab"},  // trailing blanks go
        {" ab,x", 1, " ab"},  // leading blanks stay
        {" \t \t,x", 1, ""},  // blanks and tabs only: empty
        {"a\x01"
         "b\xFF"
         "c",
         1, "a b c"},  // control characters and 255 read as blanks
        {"a\r\n", 1, "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetField(c.line, ',', c.n), c.field) << c.line << " field " << c.n;
    }
    EXPECT_EQ(GetField(std::string("a\0b;c", 5), ';', 1), "a b");
}

TEST(ExchangeField, NumbersStopAtTheFirstOtherCharacterAndSaturate) {
    const std::string forty(40, '9');
    const struct {
        std::string text;
        std::int32_t value;
        bool whole;
    } cases[] = {
        {"42", 42, true},
        {"  -7", -7, true},
        {"+5", 5, true},
        {"12.5", 12, false},
        {"1/2", 1, false},
        {"31a", 31, false},
        {"abc", 0, false},
        {"", 0, false},
        {"-", 0, false},
        {forty, 2147483647, true},
        {"-" + forty, -2147483647 - 1, true},
        {"2147483648", 2147483647, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldNumber(c.text), c.value) << c.text;
        EXPECT_EQ(ReadsAsNumber(c.text), c.whole) << c.text;
    }
    EXPECT_EQ(ReadNumber("12.5").stop, 2u);
    EXPECT_EQ(ReadNumber(".5").stop, 0u);
    EXPECT_EQ(FieldSmallint("40000"), 32767);
    EXPECT_EQ(FieldSmallint("-40000"), -32768);
    EXPECT_EQ(FieldByte("300"), 44);
    EXPECT_EQ(FieldByte("-1"), 255);
    EXPECT_EQ(FieldByte(forty), 255);
}

}  // namespace
}  // namespace oltoma
