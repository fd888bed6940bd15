#include "base/messages/desktop_services.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

class RecordingDesktop final : public platform::Sound,
                               public platform::Cursors,
                               public platform::NumberPrompt {
public:
    std::vector<std::pair<int, int>> beeps;
    int cursor = 0;
    std::vector<int> cursorsSet;
    std::string prompt;
    int answer = 0;

    void Beep(int frequencyHz, int durationMs) override {
        beeps.emplace_back(frequencyHz, durationMs);
    }
    void WarningSound() override {}
    int Current() override { return cursor; }
    void Set(int value) override {
        cursor = value;
        cursorsSet.push_back(value);
    }
    int AskNumber(platform::WindowHandle, int, std::string_view text) override {
        prompt = std::string(text);
        return answer;
    }
};

class DesktopServices : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Services services;
        services.sound = &desktop;
        services.cursors = &desktop;
        services.numberPrompt = &desktop;
        previous = platform::BindServices(services);
    }
    void TearDown() override { platform::BindServices(previous); }

    RecordingDesktop desktop;
    platform::Services previous;
};

TEST_F(DesktopServices, ShortBeepIs440HzFor100Ms) {
    ShortBeep();
    ASSERT_EQ(desktop.beeps.size(), 1u);
    EXPECT_EQ(desktop.beeps[0], std::make_pair(440, 100));
}

TEST_F(DesktopServices, CursorStackRestoresInReverseOrder) {
    desktop.cursor = 1;
    PushCursor();
    desktop.cursor = 2;
    PushCursor();
    desktop.cursor = 3;
    PopCursor();
    EXPECT_EQ(desktop.cursor, 2);
    PopCursor();
    EXPECT_EQ(desktop.cursor, 1);
    PopCursor();  // empty: nothing restored
    EXPECT_EQ(desktop.cursorsSet, (std::vector<int>{2, 1}));
    EXPECT_EQ(CursorDepth(), 0);
}

TEST_F(DesktopServices, CursorStackHolds33AndIgnoresDeeperPushes) {
    for (int i = 1; i <= 40; ++i) {
        desktop.cursor = i;
        PushCursor();
    }
    EXPECT_EQ(CursorDepth(), kCursorStackSize);
    PopCursor();
    EXPECT_EQ(desktop.cursor, 33);  // the cursors of pushes 34..40 were never saved
    for (int i = 0; i < 40; ++i) {
        PopCursor();
    }
    EXPECT_EQ(CursorDepth(), 0);
    EXPECT_EQ(desktop.cursor, 1);
}

TEST_F(DesktopServices, AskNumberPassesThePromptCutTo79) {
    desktop.answer = 12;
    EXPECT_EQ(AskNumber(0, 1, std::string(100, 'x')), 12);
    EXPECT_EQ(desktop.prompt.size(), kMaxNumberPromptLength);
}

TEST(DirectoryPresent, TellsFoldersFromFilesAndMissingPaths) {
    // The path is Windows-1252; the folder on disk has a UTF-8 name.
    std::filesystem::create_directory("T\xC3\xA4vling");
    std::ofstream("plain.txt") << "x";
    EXPECT_TRUE(DirectoryPresent(Windows1252FromUtf8("Tävling")));
    EXPECT_TRUE(DirectoryPresent("."));
    EXPECT_FALSE(DirectoryPresent("plain.txt"));
    EXPECT_FALSE(DirectoryPresent("missing"));
    EXPECT_FALSE(DirectoryPresent(""));
}

}  // namespace
}  // namespace oltoma
