#include "base/files/exchange_line_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace oltoma {
namespace {

std::vector<std::string> Lines(ExchangeLineReader::ReadBlock read) {
    ExchangeLineReader reader(std::move(read));
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line) == ExchangeLineReader::Result::line) {
        lines.push_back(line);
    }
    return lines;
}

// Hands out one byte per read, so every rule must hold across reads.
ExchangeLineReader::ReadBlock OneByteAtATime(std::string bytes) {
    return [bytes, at = std::size_t{0}](char* buffer, std::size_t) mutable -> long {
        if (at == bytes.size()) {
            return 0;
        }
        buffer[0] = bytes[at++];
        return 1;
    };
}

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(ExchangeLineReader, LineEndsLengthsAndCodePages) {
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n\n", {"", ""}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        // The rest of a long line is skipped, never read as a line.
        {std::string(300, 'x') + "\ny", {std::string(255, 'x'), "y"}},
        {std::string(5000, 'x'), {std::string(255, 'x')}},
        // Byte-order mark dropped; alone it leaves an empty file.
        {"\xEF\xBB\xBF*Klubbar\r\n", {"*Klubbar"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBF\n", {""}},
        // OEM letters, UTF-8 lines and Windows-1252 lines.
        {"*\x99st\n", {"*\xD6st"}},
        {"*\xC3\x96st\n", {"*\xD6st"}},
        {"\xE2\x82\xAC \xCE\xA9\n", {"\x80 ?"}},
        {"*\xD6st\n", {"*\xD6st"}},
        {"\xC3\x96\xFF\n", {"\xC3\x96\xFF"}},  // malformed: not UTF-8
        {"\xED\xA0\x80\n", {"\xED\xA0\x80"}},  // a surrogate is no UTF-8
        {Repeat("\xC3\x96", 300), {std::string(255, '\xD6')}},
        // Cut inside a sequence beyond the first 1020 bytes: still UTF-8.
        {"a" + Repeat("\xC3\x96", 600), {"a" + std::string(254, '\xD6')}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines(ReadFromMemory(c.bytes)), c.lines) << c.bytes.substr(0, 40);
        EXPECT_EQ(Lines(OneByteAtATime(c.bytes)), c.lines) << c.bytes.substr(0, 40);
    }
}

TEST(ExchangeLineReader, AFailedReadEndsTheFile) {
    int calls = 0;
    ExchangeLineReader reader([&calls](char* buffer, std::size_t) -> long {
        if (++calls == 1) {
            buffer[0] = 'a';
            buffer[1] = '\n';
            buffer[2] = 'b';
            return 3;
        }
        return -EIO;
    });
    std::string line;
    EXPECT_EQ(reader.Next(line), ExchangeLineReader::Result::line);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(reader.Next(line), ExchangeLineReader::Result::error);
    EXPECT_EQ(reader.Error(), EIO);
    EXPECT_EQ(reader.Next(line), ExchangeLineReader::Result::error);
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace oltoma
