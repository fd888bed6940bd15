#include "base/messages/progress.h"

#include <gtest/gtest.h>

#include "base/messages/messages.h"
#include "bound_services.h"
#include "scripted_progress.h"
#include "scripted_services.h"

namespace oltoma {
namespace {

using testing::ScriptedProgressWindows;

class Progress : public ::testing::Test {
protected:
    void TearDown() override {
        while (ProgressDepth() > 0) {
            CloseProgress();
        }
    }

    ScriptedProgressWindows windows;
    testing::BoundProgressWindows boundWindows{windows};
    testing::RecordingCursors cursors;
    testing::BoundServices boundServices{{.cursors = &cursors}};
};

TEST_F(Progress, LineNumbersWrapOntoTheEightStatusLines) {
    const struct {
        int line;
        int statusLine;
    } cases[] = {{-3, 1}, {0, 1}, {1, 1}, {2, 1}, {3, 2}, {9, 8}, {10, 1}, {17, 8}, {18, 1}};
    OpenProgress(0, 10, "caption", false);
    for (const auto& c : cases) {
        windows.windows[0]->lines.clear();
        ProgressLine(c.line, "x");
        ASSERT_EQ(windows.windows[0]->lines.size(), 1u) << c.line;
        EXPECT_EQ(windows.windows[0]->lines.begin()->first, c.statusLine) << c.line;
    }
    EXPECT_EQ(windows.windows[0]->eventRounds, std::size(cases));
}

TEST_F(Progress, VisibleLinesAreTwoFewerThanAskedAndAtMostEight) {
    const struct {
        int lines;
        int visible;
    } cases[] = {{3, 1}, {4, 2}, {10, 8}, {20, 8}, {2, 0}, {0, 0}};
    for (const auto& c : cases) {
        OpenProgress(7, c.lines, "kopiera", false);
        const ProgressWindowOptions& options = windows.windows.back()->options;
        EXPECT_EQ(options.visibleLines, c.visible) << c.lines;
        EXPECT_EQ(options.owner, 7u);
        EXPECT_EQ(options.caption, "kopiera");
        CloseProgress();
    }
}

TEST_F(Progress, NestsFourWindowsAndOnlyCountsDeeperOpens) {
    for (int i = 0; i < 5; ++i) {
        OpenProgress(0, 3, "level", false);
    }
    EXPECT_EQ(ProgressDepth(), 5);
    ASSERT_EQ(windows.windows.size(), 4u);
    for (int level = 1; level <= 4; ++level) {
        EXPECT_EQ(windows.windows[level - 1]->options.level, level);
    }

    ProgressLine(2, "too deep");  // the fifth level has no window
    for (const auto& window : windows.windows) {
        EXPECT_TRUE(window->shown.empty());
    }

    CloseProgress();  // the fifth: only the depth changes
    EXPECT_EQ(windows.OpenCount(), 4);
    ProgressLine(2, "fourth");
    EXPECT_EQ(windows.windows[3]->lines[1], "fourth");

    for (int open = 3; open >= 0; --open) {
        CloseProgress();
        EXPECT_EQ(windows.OpenCount(), open);
    }
    CloseProgress();  // unpaired: nothing happens
    EXPECT_EQ(ProgressDepth(), 0);
}

TEST_F(Progress, AvbrytStopsUpdatesUntilANewWindowIsCreated) {
    windows.cancelAtEventRound = 2;
    OpenProgress(0, 4, "import", true);
    EXPECT_TRUE(windows.windows[0]->options.withCancel);
    ProgressLine(2, "first");
    EXPECT_FALSE(AbortedCounter());
    ProgressLine(2, "second");  // "avbryt" is clicked while this one shows
    EXPECT_TRUE(AbortedCounter());
    EXPECT_TRUE(ProgressAborted());
    ProgressLine(2, "third");
    EXPECT_EQ(windows.windows[0]->lines[1], "second");

    OpenProgress(0, 4, "nested", false);  // a new window clears both flags
    EXPECT_FALSE(ProgressAborted());
    EXPECT_FALSE(AbortedCounter());
    ProgressLine(2, "inner");
    EXPECT_EQ(windows.windows[1]->lines[1], "inner");
}

TEST_F(Progress, OutermostWindowSavesTheCursorAndRestoresIt) {
    cursors.current = 7;
    OpenProgress(0, 3, "with cancel", true);
    EXPECT_EQ(cursors.current, 7);  // a window with "avbryt" keeps the cursor
    OpenProgress(0, 3, "busy", false);
    EXPECT_EQ(cursors.current, platform::CursorShape::kWait);
    CloseProgress();
    EXPECT_EQ(cursors.current, platform::CursorShape::kWait);
    CloseProgress();
    EXPECT_EQ(cursors.current, 7);
}

TEST_F(Progress, WindowThatCannotBeCreatedLeavesAMessage) {
    windows.failCreate = true;
    SetMessageLine("");
    OpenProgress(0, 3, "caption", false);
    EXPECT_EQ(MessageLine.str(), "Kan ej skapa dialog");
    EXPECT_EQ(ProgressDepth(), 1);
    ProgressLine(2, "nowhere");
    CloseProgress();
    EXPECT_EQ(ProgressDepth(), 0);
}

TEST_F(Progress, OemTextIsConverted) {
    OpenProgress(0, 3, "caption", false);
    ProgressLine(2, "Nollst\x84ller");  // OEM a-umlaut
    EXPECT_EQ(windows.windows[0]->lines[1], "Nollst\xE4ller");
}

}  // namespace
}  // namespace oltoma
