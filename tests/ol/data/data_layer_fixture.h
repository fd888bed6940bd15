// A data directory of its own for each test, with the data layer started,
// fresh common files open, message boxes answered from a script and the
// progress window recorded. Storage runs on the fault-injecting engine with
// flushes counted but not made, which keeps the tests fast.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "scripted_message_boxes.h"
#include "scripted_progress.h"
#include "storage/fault_injection.h"

namespace oltoma::ol::testing {

class DataLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        storage::fault::Reset();
        storage::fault::SkipSyncs(true);
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::current_path() /
                 (std::string(test->test_suite_name()) + "." + test->name());
        std::filesystem::create_directories(folder);
        GlobalSettings& settings = WorkingGlobalSettings();
        settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder.string());
        settings.currentNumbers[kOltomaApplicationKind] = 0;
        settings.routeDescriptionFormat = 1;
        ASSERT_TRUE(OlStartup({}));
        if (WithCommonFiles()) {
            ASSERT_TRUE(CreateCommonFiles());
            ASSERT_TRUE(OpenCommonFiles());
        }
    }

    void TearDown() override {
        CloseCommonFiles();
        OlShutdown();
        storage::fault::Reset();
    }

    // Tests that start without data files override this.
    virtual bool WithCommonFiles() const { return true; }

    // Adds a competition with its files, as the competition dialog does, and
    // leaves it current with its participant files open. Returns its number.
    int NewCompetition(std::string_view name, std::string_view organiser = "OK Tester") {
        CloseParticipantFiles();
        ClearInfoRec(Ol().competition.rec);
        Ol().competition.rec.Tvl = Windows1252FromUtf8(name);
        Ol().competition.rec.Arr = Windows1252FromUtf8(organiser);
        int n = 0;
        if (!SaveCompetition(true, n) || !CreateCompetitionFiles()) {
            return 0;
        }
        return n;
    }

    bool Exists(std::string_view fileName) const {
        return std::filesystem::exists(folder / std::string(fileName));
    }

    std::string Message() const { return Utf8FromWindows1252(MessageLine.view()); }

    std::filesystem::path folder;
    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::BoundMessageBoxes boundBoxes{boxes};
    oltoma::testing::ScriptedProgressWindows progress;
    oltoma::testing::BoundProgressWindows boundProgress{progress};
};

}  // namespace oltoma::ol::testing
