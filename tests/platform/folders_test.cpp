#include "platform/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace oltoma::platform {
namespace {

std::string Home() {
    return std::getenv("HOME");
}

void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << text;
}

TEST(Folders, RoamingAppDataFollowsXdgConfigHome) {
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(RoamingAppDataFolder(), "/somewhere/config");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
    EXPECT_EQ(RoamingAppDataFolder(), Home() + "/.config");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RoamingAppDataFolder(), Home() + "/.config");
}

TEST(Folders, ReadsDocumentsFolderFromUserDirs) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n", "/h/Dokument"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/no\"\nXDG_DESKTOP_DIR=\"$HOME/Skrivbord\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"/data/docs/\"\n", "/data/docs"},
        {"  XDG_DOCUMENTS_DIR=\"$HOME\"\n", "/h"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n", "/h/My \"Docs\""},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"relative\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"\n", "/h/b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DocumentsFolderFromUserDirs(c.text, "/h"), c.expected) << c.text;
    }
}

TEST(Folders, DocumentsFolderPrefersUserDirsThenEnvironmentThenHome) {
    EXPECT_EQ(DocumentsFolder(), Home() + "/Documents");
    ::setenv("XDG_DOCUMENTS_DIR", "/env/docs", 1);
    EXPECT_EQ(DocumentsFolder(), "/env/docs");
    WriteFile(RoamingAppDataFolder() + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n");
    EXPECT_EQ(DocumentsFolder(), Home() + "/Dokument");
}

TEST(Folders, CurrentDirectoryChangesOrReportsTheSystemError) {
    const std::string home = Home();
    ASSERT_EQ(CreateFolders(home + "/a/b/c"), 0);
    EXPECT_TRUE(FolderExists(home + "/a/b/c"));
    EXPECT_EQ(SetCurrentDirectory(home + "/a/b"), 0);
    EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(home + "/a/b").string());

    EXPECT_EQ(SetCurrentDirectory(home + "/a/missing"), 2);
    EXPECT_EQ(SetCurrentDirectory(home + "/missing/deeper"), 3);
    EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(home + "/a/b").string());
}

TEST(Folders, CreateFoldersFailsBelowAFile) {
    const std::string file = Home() + "/plain-file";
    WriteFile(file, "x");
    EXPECT_NE(CreateFolders(file + "/sub"), 0);
    EXPECT_NE(CreateFolders(file), 0);
    EXPECT_EQ(CreateFolders(Home()), 0);  // existing folder
}

}  // namespace
}  // namespace oltoma::platform
