#include "base/text/oem_text.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

TEST(OemText, ConvertsTheTwelveLetterCodes) {
    // Å Ä Ö å ä ö É é Ü ü Æ æ in code page 850, and their Windows-1252 bytes.
    const std::string oem = "\x8F\x8E\x99\x86\x84\x94\x90\x82\x9A\x81\x92\x91";
    const std::string ansi = "\xC5\xC4\xD6\xE5\xE4\xF6\xC9\xE9\xDC\xFC\xC6\xE6";
    EXPECT_EQ(OemToAnsiText(oem), ansi);
    for (std::size_t i = 0; i < oem.size(); ++i) {
        EXPECT_EQ(OemToAnsiText(oem.substr(i, 1)), ansi.substr(i, 1)) << i;
    }
}

TEST(OemText, LeavesTextWithoutLetterCodesAlone) {
    // 0xE1 is OEM ß but not one of the twelve: the text stays as it is.
    EXPECT_EQ(OemToAnsiText("Gr\xE1n"), "Gr\xE1n");
    // With an ö present every other OEM byte converts too.
    EXPECT_EQ(OemToAnsiText("\x94 \xE1 \xB3"), "\xF6 \xDF |");
}

TEST(OemText, ConvertsAtMost1024Characters) {
    const std::string longText = "\x94" + std::string(2000, 'a');
    EXPECT_EQ(OemToAnsiText(longText).size(), 1024u);
}

}  // namespace
}  // namespace oltoma
