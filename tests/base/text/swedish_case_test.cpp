#include "base/text/swedish_case.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

std::string W(std::string_view utf8) {
    return Windows1252FromUtf8(utf8);
}

TEST(SwedishCase, MapsAsKeysExpect) {
    const std::pair<const char*, const char*> upper[] = {
        {"smörgåsbord à la été", "SMÖRGÅSBORD A LA ÉTÉ"},
        {"ãõøýðþ", "ãõøýðþ"},  // left as they are
        {"çñüæÿìòù", "ÇÑÜÆYIOU"},
    };
    for (const auto& [from, to] : upper) {
        EXPECT_EQ(UpperString(W(from)), W(to)) << from;
    }
    EXPECT_EQ(LowerString(W("ÀÉÖ")), W("Àéö"));
    EXPECT_EQ(LowerString(W("ÄÅÆÇÉÑÖÜ AZ")), W("äåæçéñöü az"));
}

TEST(SwedishCase, CapitalizesEachWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"ANNA-LENA SVENSSON", "Anna-Lena Svensson"},
        {"karl-erik/johansson", "Karl-Erik/Johansson"},
        {"  åsa öberg", "  Åsa Öberg"},
        {"", ""},
    };
    for (const auto& [from, to] : cases) {
        EXPECT_EQ(CapitalizeWords(W(from)), W(to)) << from;
    }
}

}  // namespace
}  // namespace oltoma
