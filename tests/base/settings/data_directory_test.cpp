#include "base/settings/data_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "base/messages/messages.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "platform/folders.h"

namespace oltoma {
namespace {

TEST(DataDirectory, EntersTheStoredFolderAndStoresWhatIsCurrent) {
    const std::string home = std::getenv("HOME");
    struct Case {
        std::string entry;
        std::string stored;
    };
    const Case cases[] = {
        {"/", "/"},  // the root keeps its slash: an empty entry would mean "stay"
        {home + "/", home},
        {"", home},  // empty: the current directory stays and is stored
    };
    for (const Case& c : cases) {
        ASSERT_EQ(platform::SetCurrentDirectory(home), 0);
        TLongPathName entry;
        entry = c.entry;
        SetMessageLine("");
        EnterDataDirectory(entry);
        EXPECT_EQ(entry, c.stored) << c.entry;
        EXPECT_EQ(WorkingGlobalSettings().dataDirectory, c.stored) << c.entry;
        EXPECT_EQ(MessageLine, "") << c.entry;
    }
}

TEST(DataDirectory, FoldersFollowTheXdgFolders) {
    const std::string home = std::getenv("HOME");
    ProgramName = "OltomaW64";
    std::filesystem::create_directories(home + "/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n";
    PrepareProgramFolders();
    EXPECT_EQ(Configuration().fileName, home + "/.config/OltomaW64/OltomaW64.P64");
    EXPECT_EQ(Configuration().defaultDataDirectory, home + "/Dokument/OltomaW64/data");
    EXPECT_TRUE(platform::FolderExists(home + "/.config/OltomaW64"));
    EXPECT_TRUE(platform::FolderExists(home + "/Dokument/OltomaW64/data"));
    EXPECT_TRUE(platform::FolderExists(home + "/Dokument/OltomaW64/text"));
}

}  // namespace
}  // namespace oltoma
