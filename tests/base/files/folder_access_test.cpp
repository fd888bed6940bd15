#include "base/files/folder_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

TEST(FolderAccess, TellsWhyAFolderCannotBeEntered) {
    ASSERT_EQ(::mkdir("data", 0700), 0);
    std::ofstream("file.txt") << "x";
    const std::pair<std::string, int> cases[] = {
        {"data", 0},
        {"/", 0},
        {"missing", 3},
        {"missing/deeper", 3},
        {"file.txt", 3},
        {"", 3},
        {"/" + std::string(1024, 'a'), 206},
    };
    for (const auto& [folder, error] : cases) {
        EXPECT_EQ(FolderEnterError(folder), error) << folder.substr(0, 40);
    }
}

TEST(FolderAccess, LockedFolderIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    ASSERT_EQ(::mkdir("locked", 0000), 0);
    EXPECT_EQ(FolderEnterError("locked"), 5);
    ::chmod("locked", 0700);
}

TEST(FolderAccess, MessageNamesTheErrorAndTheFolder) {
    EXPECT_EQ(FolderErrorMessage(5, "/srv/data"),
              Windows1252FromUtf8("Filåtkomst förvägras \"/srv/data\""));
    EXPECT_EQ(FolderErrorMessage(3, "x"), Windows1252FromUtf8("Filvägen ej funnen \"x\""));
    EXPECT_EQ(FolderErrorText(206), Windows1252FromUtf8("Filvägen är för lång"));
    EXPECT_EQ(FolderErrorText(123),
              Windows1252FromUtf8("Namnet har tecken som programmet ej kan lagra"));
    EXPECT_EQ(FolderErrorMessage(5, std::string(300, 'a')).size(), 160u);
}

}  // namespace
}  // namespace oltoma
