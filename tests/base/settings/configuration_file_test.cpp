#include "base/settings/configuration_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/messages/messages.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "configuration_fixture.h"
#include "platform/folders.h"

namespace oltoma {
namespace {

using ConfigurationFileTest = testing::ConfigurationTest;

TEST_F(ConfigurationFileTest, SettingsSurviveARestart) {
    ASSERT_TRUE(LoadConfiguration(5));
    GlobalSettings& global = WorkingGlobalSettings();
    global.windowScale = 150;
    global.windowLeft = 77;
    global.printSettingNumber = 4;
    WorkingPrintSetting().fottext = "egen fottext";
    const std::string other = home + "/other data";
    ASSERT_EQ(platform::CreateFolders(other), 0);
    global.dataDirectories[5] = other;
    SaveConfiguration();

    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(global.windowScale, 150);
    EXPECT_EQ(global.windowLeft, 77);
    EXPECT_EQ(WorkingPrintSetting().fottext, "egen fottext");  // written into slot 4
    EXPECT_EQ(global.dataDirectory, other);
    EXPECT_EQ(platform::CurrentDirectory(), other);
    EXPECT_EQ(FileBytes().size(), 318272u);
}

TEST_F(ConfigurationFileTest, SavingAfterARebuildWritesTheSameDefaults) {
    ASSERT_TRUE(LoadConfiguration(5));
    const std::vector<unsigned char> before = FileBytes();
    SaveConfiguration();
    const std::vector<unsigned char> after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin() + 60352, before.end(), after.begin() + 60352));
}

class WrongSizeTest : public testing::ConfigurationTest,
                      public ::testing::WithParamInterface<std::size_t> {};

TEST_P(WrongSizeTest, GivesTheVersionConflictAndADefaultFile) {
    ASSERT_EQ(platform::CreateFolders(home + "/.config/OltomaW64"), 0);
    std::ofstream(ConfigFile(), std::ios::binary) << std::string(GetParam(), '\x7f');
    ASSERT_TRUE(LoadConfiguration(5));

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_EQ(boxes.shown[0].text,
              Windows1252FromUtf8("Versionskonflikt av konfigurationsfilen \"" + ConfigFile() +
                                  "\" Nollställer. "));
    const std::vector<unsigned char> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 318272u);
    EXPECT_EQ(ShortText(bytes, 59359 + 41), "Laser 3x8");
    EXPECT_EQ(WorkingGlobalSettings().labelNames[1], "Laser 3x8");
}

INSTANTIATE_TEST_SUITE_P(Sizes, WrongSizeTest, ::testing::Values(0, 318271, 318273),
                         [](const auto& info) { return std::to_string(info.param) + "_bytes"; });

TEST_F(ConfigurationFileTest, StoredScaleAndSettingNumbersOutOfRange) {
    ASSERT_TRUE(LoadConfiguration(5));
    WorkingGlobalSettings().windowScale = 999;  // stored as read; the window ignores it
    WorkingGlobalSettings().labelSettingNumber = 0;
    WorkingGlobalSettings().printSettingNumber = 200;
    WorkingLabelSetting().across = 7;
    SaveConfiguration();  // numbers outside 1..10 write slot 1
    EXPECT_EQ(WorkingGlobalSettings().labelSettingNumber, 1);
    EXPECT_EQ(WorkingGlobalSettings().printSettingNumber, 1);
    {
        std::fstream file(ConfigFile(), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(8);
        file.put('\x0b').put('\xff');
    }
    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(WorkingGlobalSettings().windowScale, 999);
    EXPECT_EQ(WorkingLabelSetting().across, 7);
    EXPECT_EQ(FileBytes().size(), 318272u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ConfigurationFileTest, VanishedPrinterKeepsTheFileAndNamesIt) {
    ASSERT_TRUE(LoadConfiguration(5));
    WorkingGlobalSettings().windowScale = 200;
    SaveConfiguration();

    printers.Remove("laser");
    printers.Add("matrix");
    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(WorkingGlobalSettings().windowScale, 200);
    EXPECT_EQ(MessageLine, "Kan ej finna skrivaren \"laser\"");
    EXPECT_EQ(WorkingPrintSetting().printer.deviceName, "laser");
    EXPECT_EQ(ShortText(FileBytes(), 59359 + 41), "Laser 3x8");
}

TEST_F(ConfigurationFileTest, WithoutPrintersTheProgramRunsAndKeepsItsSettings) {
    printers.Remove("laser");
    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(MessageLine, "Ingen skrivare installerad (pagesetupdlg error: 4104)");
    EXPECT_EQ(DefaultPrinterBlock().valid, 0);
    EXPECT_EQ(WorkingPrintSetting().printer.deviceName, "");
    EXPECT_EQ(WorkingPrintSetting().printer.pageSetup.margins[0], 500);
    WorkingGlobalSettings().windowScale = 120;
    SaveConfiguration();
    EXPECT_EQ(MessageLine, "Error! Kan ej finna default skrivare.");

    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(WorkingGlobalSettings().windowScale, 120);
}

TEST_F(ConfigurationFileTest, UncreatableConfigurationFolderRunsOnDefaults) {
    const std::string blocker = home + "/not-a-folder";
    std::ofstream(blocker) << "x";
    ::setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    ASSERT_TRUE(LoadConfiguration(5));

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_EQ(boxes.shown[0].text, "kan inte skapa path \"" + blocker + "\" ");
    EXPECT_EQ(WorkingGlobalSettings().labelNames[1], "Laser 3x8");
    EXPECT_EQ(WorkingGlobalSettings().dataDirectory, DefaultDataDirectory());
    EXPECT_EQ(platform::CurrentDirectory(), DefaultDataDirectory());
    EXPECT_FALSE(OpenConfigFile());
    SaveConfiguration();
}

// A symbolic link where the configuration file should be is never followed:
// the file it points at (even one of the right size) is not read, truncated
// or written; the program runs on defaults.
TEST_F(ConfigurationFileTest, ALinkedConfigurationFileIsNotFollowed) {
    const std::string outside = home + "/outside.P64";
    std::ofstream(outside, std::ios::binary) << std::string(kConfigurationFileSize, '\x01');
    ASSERT_EQ(platform::CreateFolders(home + "/.config/OltomaW64"), 0);
    std::filesystem::create_symlink(outside, ConfigFile());
    ASSERT_TRUE(LoadConfiguration(5));
    EXPECT_EQ(WorkingGlobalSettings().labelNames[1], "Laser 3x8");
    WorkingGlobalSettings().windowScale = 150;
    SaveConfiguration();
    std::ifstream file(outside, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              std::string(kConfigurationFileSize, '\x01'));
    EXPECT_TRUE(std::filesystem::is_symlink(ConfigFile()));
}

TEST_F(ConfigurationFileTest, MissingDataDirectoryFallsBackToTheCurrentDirectory) {
    ASSERT_TRUE(LoadConfiguration(5));
    struct Case {
        std::string stored;
        const char* errorNumber;
    };
    const Case cases[] = {
        {home + "/gone", "002"},
        {home + "/gone/data", "003"},
    };
    for (const Case& c : cases) {
        WorkingGlobalSettings().dataDirectories[5] = c.stored;
        SaveConfiguration();
        ASSERT_EQ(platform::SetCurrentDirectory(home), 0);
        ASSERT_TRUE(LoadConfiguration(5));
        EXPECT_EQ(MessageLine,
                  "Kan ej byta till biblioteket \"" + c.stored + "\" " + c.errorNumber);
        EXPECT_EQ(WorkingGlobalSettings().dataDirectory, home);
        EXPECT_EQ(WorkingGlobalSettings().dataDirectories[5], home);
    }
}

TEST_F(ConfigurationFileTest, SlotsAreReadAndWrittenWhileTheFileIsOpen) {
    ASSERT_TRUE(LoadConfiguration(5));
    ASSERT_TRUE(OpenConfigFile());
    WorkingLabelSetting().across = 9;
    EXPECT_TRUE(WriteLabelSetting(6));
    WorkingPrintSetting().fottext = "sidfot";
    EXPECT_TRUE(WritePrintSetting(10));
    EXPECT_FALSE(WriteLabelSetting(0));
    EXPECT_FALSE(WritePrintSetting(11));

    EXPECT_TRUE(ReadLabelSetting(2));
    EXPECT_EQ(WorkingLabelSetting().across, 6);
    EXPECT_TRUE(ReadLabelSetting(6));
    EXPECT_EQ(WorkingLabelSetting().across, 9);
    EXPECT_TRUE(ReadPrintSetting(10));
    EXPECT_EQ(WorkingPrintSetting().fottext, "sidfot");
    EXPECT_FALSE(ReadPrintSetting(0));
    EXPECT_EQ(WorkingPrintSetting().fottext, "sidfot");
    CloseConfigFile();
    EXPECT_EQ(FileBytes().size(), 318272u);

    // Closed: reading gives the defaults of the slot, writing does nothing.
    EXPECT_FALSE(ReadPrintSetting(2));
    EXPECT_EQ(WorkingPrintSetting().printer.deviceMode.orientation, 2);
    WorkingLabelSetting().across = 5;
    EXPECT_FALSE(WriteLabelSetting(3));
    EXPECT_EQ(WorkingLabelSetting().across, 5);
    EXPECT_FALSE(ReadLabelSetting(3));
    EXPECT_EQ(WorkingLabelSetting().across, 2);
}

}  // namespace
}  // namespace oltoma
