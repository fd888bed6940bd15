#include "base/files/folder_entries.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace oltoma {
namespace {

TEST(FolderEntries, ListsTheFolderAndReportsAMissingOneWithoutThrowing) {
    std::filesystem::create_directory("data");
    std::ofstream("data/OL01.DAT") << "x";
    std::filesystem::create_directory("data/inner");
    std::error_code error;
    std::set<std::string> names;
    for (const auto& entry : FolderEntries("data", error)) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_FALSE(error);
    EXPECT_EQ(names, (std::set<std::string>{"OL01.DAT", "inner"}));

    EXPECT_TRUE(FolderEntries("missing", error).empty());
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace oltoma
