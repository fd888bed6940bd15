#include "labels/giro_entries.h"

#include <gtest/gtest.h>

#include "labels/stored_text.h"

namespace oltoma::labels {
namespace {

TEST(GiroEntries, AccountNumbers) {
    struct Case {
        const char* number;
        bool passes;
    };
    for (const Case& c : {Case{"", true}, Case{"1234", false}, Case{"1230", true},
                          Case{"abc", false}, Case{"12-30", true}, Case{"-", false}}) {
        EXPECT_EQ(GiroNumberPasses(c.number), c.passes) << c.number;
    }
}

TEST(GiroEntries, AccountsAreCheckedAsTheyWillBeStored) {
    GiroEntries entries;
    entries.tillG = std::string(26, ' ') + "1230" + "5";  // stored: the first 30
    EXPECT_FALSE(GiroNumberPasses(entries.tillG));
    EXPECT_TRUE(AccountsPass(entries));
    entries.egetKonto = "1234";
    EXPECT_FALSE(AccountsPass(entries));
}

TEST(GiroEntries, TheKeyIsTheOneStored) {
    struct Case {
        const char* payee;
        const char* littera;
        std::string key;
    };
    const std::string longPayee(35, 'p');
    for (const Case& c :
         {Case{"Klubben", "A", "Klubben_A"}, Case{"Klubben", "", "Klubben"}, Case{"", "", "XXX"},
          Case{"", "B", "XXX_B"}, Case{"Klubben", "ABC", "Klubben_AB"},
          Case{longPayee.c_str(), "A", std::string(30, 'p')}}) {
        GiroEntries entries;
        entries.payee = c.payee;
        entries.littera = c.littera;
        EXPECT_EQ(StoredGiroKey(entries), c.key) << c.payee << "|" << c.littera;
    }
}

TEST(GiroEntries, AnAmountIsStoredOnlyWhenChanged) {
    struct Case {
        const char* stored;
        Tgirotyp kind;
        bool changed;
        int box;
        const char* after;
    };
    for (const Case& c : {Case{"50000", Tgirotyp::postgiro, false, 9999, "50000"},
                          Case{"150.50", Tgirotyp::plusgiro, false, 0, "150.50"},
                          Case{"150.50", Tgirotyp::plusgiro, true, 120, "120"},
                          Case{"75", Tgirotyp::postgiro, true, 0, ""},
                          Case{"75", Tgirotyp::bankgiro, true, 0, "0"}}) {
        TGiroRec slip{};
        slip.AttBetala = c.stored;
        GiroEntries entries = EntriesOf(slip);
        entries.amount = c.box;
        entries.amountChanged = c.changed;
        StoreEntries(entries, c.kind, slip);
        EXPECT_EQ(slip.AttBetala.view(), c.after) << c.stored;
    }
}

TEST(GiroEntries, TheAmountBoxShowsWholeNumbersOnly) {
    for (const auto& [text, value] : std::vector<std::pair<const char*, int>>{{"150", 150},
                                                                              {"50000", 50000},
                                                                              {"150.50", 0},
                                                                              {"", 0},
                                                                              {"abc", 0},
                                                                              {"1 2", 0},
                                                                              {"+7", 7},
                                                                              {"99999999999", 0}}) {
        EXPECT_EQ(AmountBoxValue(text), value) << text;
    }
}

TEST(GiroEntries, TextsAreCutToTheirFieldsNeverInsideALineBreak) {
    GiroEntries entries;
    entries.message = std::string(1184, 'm') + "\nx";  // 1184 + CR LF + 1 = 1187
    entries.address = std::string(400, 'a');
    entries.payee = std::string(40, 'p');
    entries.littera = "ABC";
    TGiroRec slip{};
    StoreEntries(entries, Tgirotyp::plusgiro, slip);
    EXPECT_EQ(slip.gtxt.view(), std::string(1184, 'm'));
    EXPECT_EQ(slip.gadrtxt.size(), 316u);
    EXPECT_EQ(slip.Mottagare.view(), std::string(30, 'p'));
    EXPECT_EQ(slip.Lnr.view(), "AB");
}

TEST(StoredText, LineBreaksBecomeCrLf) {
    EXPECT_EQ(StoredLines("a\nb\r\nc\rd", 100), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(StoredLines("ab\ncd", 3), "ab");
    EXPECT_EQ(StoredLines("ab\ncd", 4), "ab\r\n");
    EXPECT_EQ(StoredLength("a\nb"), 4u);
    EXPECT_EQ(EditorLines("a\r\nb\rc"), "a\nb\rc");
}

}  // namespace
}  // namespace oltoma::labels
