#include "storage/fileblock_names.h"

#include <gtest/gtest.h>

#include "case_names.h"

namespace oltoma::storage {
namespace {

struct NameCase {
    const char* name;
    const char* data;
    const char* index;
    const char* journal;
};

class FileBlockNamesTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileBlockNamesTest, DerivesTheThreeFileNames) {
    const NameCase& c = GetParam();
    const FileBlockNames names = NamesOfFileBlock(c.name);
    EXPECT_EQ(names.data, c.data);
    EXPECT_EQ(names.index, c.index);
    EXPECT_EQ(names.journal, c.journal);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileBlockNamesTest,
    ::testing::Values(NameCase{"data/CLUBS", "data/CLUBS.DAT", "data/CLUBS.IX", "data/CLUBS.DIA"},
                      NameCase{"X;Y", "X.DAT", "Y.IX", "X.DIA"},
                      NameCase{"X;Y;Z", "X.DAT", "Y.IX", "X.DIA"},
                      NameCase{"A.B/C", "A.B/C.DAT", "A.B/C.IX", "A.B/C.DIA"},
                      NameCase{"D.OLD", "D.DAT", "D.IX", "D.DIA"},
                      NameCase{"a.b/c.d.e", "a.b/c.d.DAT", "a.b/c.d.IX", "a.b/c.d.DIA"},
                      NameCase{"E.", "E.DAT", "E.IX", "E.DIA"}),
    [](const auto& info) { return ::oltoma::testing::CaseName(info.param.name); });

}  // namespace
}  // namespace oltoma::storage
