#include "ol/data/records/class_sort_key.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"
#include "case_names.h"

namespace oltoma::ol {
namespace {

struct DesignationCase {
    const char* designationUtf8;
    const char* filterUtf8;
    const char* expectedUtf8;
};

std::ostream& operator<<(std::ostream& out, const DesignationCase& c) {
    return out << c.designationUtf8 << " with filter \"" << c.filterUtf8 << "\"";
}

class DesignationSortKeyTest : public ::testing::TestWithParam<DesignationCase> {};

TEST_P(DesignationSortKeyTest, BuildsTheKey) {
    const DesignationCase& c = GetParam();
    EXPECT_EQ(DesignationSortKey(Windows1252FromUtf8(c.designationUtf8),
                                 Windows1252FromUtf8(c.filterUtf8)),
              Windows1252FromUtf8(c.expectedUtf8));
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DesignationSortKeyTest,
    ::testing::Values(
        // Elite, men before women before the rest, older before younger.
        DesignationCase{"H21E", "Ö DIR", "00079EH21E"},
        DesignationCase{"D21E", "Ö DIR", "01079ED21E"},
        DesignationCase{"D16", "Ö DIR", "110840D16"}, DesignationCase{"H10", "Ö DIR", "100900H10"},
        DesignationCase{"HD21", "Ö DIR", "120790HD21"},
        DesignationCase{"N12", "Ö DIR", "100880N12"},
        DesignationCase{"H100", "Ö DIR", "100000H100"},
        // After the digits: a letter is kept, anything below "9" pads.
        DesignationCase{"D45K", "Ö DIR", "11055KD45K"},
        DesignationCase{"H21-K", "Ö DIR", "100790H21-K"},
        // Without a number.
        DesignationCase{"INS", "Ö DIR", "9INSINS"},
        DesignationCase{"INSKOLNI", "Ö DIR", "9INSKOLNIINSKO"},
        DesignationCase{"E", "Ö DIR", "9EE"}, DesignationCase{"", "Ö DIR", "9"},
        DesignationCase{"DIR", "", "9DIRDIR"},
        // Named by the class filter.
        DesignationCase{"DIR", "Ö DIR", "2DIRDIR"},
        DesignationCase{"ÖPPEN", "Ö DIR", "2ÖPPENÖPPEN"},
        DesignationCase{"DIRFAMIL", "Ö DIR", "2DIRFAMILDIRFA"},
        // The comparisons are case-sensitive.
        DesignationCase{"h21e", "Ö DIR", "13079eh21e"},
        // An absurd number still gives a key of at most 14 characters.
        DesignationCase{"12345678", "Ö DIR", "13-12345578123"},
        DesignationCase{"H123456789012345678901234567890", "Ö DIR", "10-1234467H123"}),
    [](const auto& info) {
        return oltoma::testing::CaseName(info.param.designationUtf8) +
               (*info.param.filterUtf8 == '\0' ? "_unfiltered" : "");
    });

TEST(ManualSortKey, KeepsTheOrderAndAddsTheRecordNumber) {
    struct Case {
        const char* presentKey;
        std::int32_t slotCount;
        const char* lnr;
        const char* expected;
    };
    const Case cases[] = {
        {"", 6, "05", "000505"},  // new class added as record 5, no free slots
        {"00079EH21E", 9, "03", "000703"}, {"12", 1, "07", "001207"}, {"", 12346, "99", "1234599"},
        {"", 0, "01", "000001"},  // a slot count that cannot be stays at 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ManualSortKey(c.presentKey, c.slotCount, c.lnr), c.expected) << c.presentKey;
    }
}

TEST(SetSortOrdn, FollowsTheCompetitionsOrder) {
    InfoRec competition;
    ClearInfoRec(competition);
    KlassRec klass;
    ClearKlassRec(klass, competition);
    klass.Bet = "H21E";
    klass.Lnr = "05";
    SetSortOrdn(klass, competition, 6);
    EXPECT_EQ(klass.SortOrdn, "00079EH21E");

    competition.mankordn = 1;
    SetSortOrdn(klass, competition, 6);
    EXPECT_EQ(klass.SortOrdn, "000705");

    competition.mankordn = 0;
    competition.dirklassfilter = "H2";
    SetSortOrdn(klass, competition, 6);
    EXPECT_EQ(klass.SortOrdn, "2H21EH21E");
}

}  // namespace
}  // namespace oltoma::ol
