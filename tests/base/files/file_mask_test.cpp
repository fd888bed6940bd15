#include "base/files/file_mask.h"

#include <gtest/gtest.h>

namespace oltoma {
namespace {

TEST(FileMask, ChooserPutsTheCallersFilterFirst) {
    EXPECT_EQ(ChooserFilter(""), "Alla filer (*.*)|*.*");
    const std::vector<FileFilter> filters = ParseFileFilter(
        ChooserFilter("import/export|*.txt;*.exp;*.ixp;*.imp;*.vpx;*.txx;*.exx;*.ol"));
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "import/export");
    EXPECT_EQ(filters[0].masks, (std::vector<std::string>{"*.txt", "*.exp", "*.ixp", "*.imp",
                                                          "*.vpx", "*.txx", "*.exx", "*.ol"}));
    EXPECT_EQ(filters[1].description, "Alla filer (*.*)");
    EXPECT_EQ(filters[1].masks, (std::vector<std::string>{"*.*"}));
}

TEST(FileMask, MalformedFiltersStillListFiles) {
    const std::vector<FileFilter> filters = ParseFileFilter("bara text|;;*.a;|utan mask");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].masks, (std::vector<std::string>{"*.a"}));
    EXPECT_EQ(filters[1].masks, (std::vector<std::string>{"*.*"}));
    EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileMask, MasksMatchAsTheDialogsAlwaysDid) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"banor.txt", "*.txt", true},
        {"BANOR.TXT", "*.txt", true},
        {"banor.txt.bak", "*.txt", false},
        {"README", "*.*", true},
        {"a.ol", "*.ol", true},
        {"a.old", "*.ol", false},
        {"k1.exp", "k?.exp", true},
        {"k12.exp", "k?.exp", false},
        {"x*y.txt", "x*y.txt", true},
        {"abcabd", "*abd", true},
        {"", "*", true},
        {"a", "", false},
        {"\xE5r.txt", "\xC5R.*", true},  // å matches Å
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
    }
    EXPECT_TRUE(MatchesAnyFileMask("x.ol", {"*.txt", "*.ol"}));
    EXPECT_FALSE(MatchesAnyFileMask("x.ol", {}));
}

}  // namespace
}  // namespace oltoma
