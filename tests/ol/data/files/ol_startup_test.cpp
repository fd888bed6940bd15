#include "ol/data/files/ol_startup.h"

#include <gtest/gtest.h>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "platform/process_state.h"
#include "scripted_message_boxes.h"
#include "storage/access_layer.h"
#include "storage/isam_status.h"
#include "storage/storage_start.h"

namespace oltoma::ol {
namespace {

TEST(OlStartup, TakesAndGivesBackTheProgramsEntriesOfTheSettings) {
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.currentNumbers[kOltomaApplicationKind] = 3;
    settings.dataDirectories[kOltomaApplicationKind] = "/data/ol";
    ASSERT_TRUE(OlStartup({}));
    EXPECT_EQ(settings.currentNumber, 3);
    EXPECT_EQ(settings.dataDirectory, "/data/ol");
    EXPECT_EQ(Ol().orderingTable[0], 0);
    EXPECT_EQ(Ol().orderingTable[3200], 3200);
    EXPECT_EQ(Ol().competition.rec.KartSkala, 15000);  // buffers hold new records

    settings.currentNumber = 5;
    settings.dataDirectory = "/data/other";
    OlShutdown();
    EXPECT_EQ(settings.currentNumbers[kOltomaApplicationKind], 5);
    EXPECT_EQ(settings.dataDirectories[kOltomaApplicationKind], "/data/other");
    EXPECT_EQ(storage::FileLen(nullptr), 0);
    EXPECT_EQ(storage::IsamError(), storage::IsamCode::kNotInitialised);  // engine stopped

    settings.currentNumber = 6;
    OlShutdown();  // once only
    EXPECT_EQ(settings.currentNumbers[kOltomaApplicationKind], 5);
}

TEST(OlStartup, AnEngineThatCannotStartIsReportedAndTheLayerGoesOn) {
    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::BoundMessageBoxes bound{boxes};
    std::string failure;
    ASSERT_TRUE(storage::InitStorageEngine({}, failure));  // started already: 10450

    EXPECT_FALSE(OlStartup({}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_NE(boxes.shown[0].text.find("IsamError: 10450"), std::string::npos)
        << boxes.shown[0].text;
    EXPECT_EQ(MessageLine.str(), boxes.shown[0].text);
    EXPECT_TRUE(Ol().started);

    OlShutdown();
    storage::ExitIsam();
    EXPECT_TRUE(storage::IsamSucceeded()) << "the layer left the engine it did not start";
}

// Between independent jobs in one process the reset leaves the layer as before
// OlStartup with its files closed, so the next start opens them again.
TEST(OlStartup, ProcessStateResetLetsTheLayerStartAgain) {
    ASSERT_TRUE(OlStartup({}));
    ASSERT_TRUE(CreateCommonFiles());
    ASSERT_TRUE(OpenCommonFiles());

    platform::ResetProcessState();

    EXPECT_FALSE(Ol().started);
    EXPECT_FALSE(Ol().CommonFilesOpen);
    EXPECT_EQ(Ol().clubFile, nullptr);
    ASSERT_TRUE(OlStartup({}));
    EXPECT_TRUE(OpenCommonFiles()) << MessageLine.str();
    CloseCommonFiles();
    OlShutdown();
}

}  // namespace
}  // namespace oltoma::ol
