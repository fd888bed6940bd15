#include "ol/data/maintenance/new_files.h"

#include <gtest/gtest.h>

#include "file_set_fixture.h"

namespace oltoma::ol {
namespace {

using platform::MessageResult;

class NewFiles : public testing::FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        ASSERT_EQ(NewCompetition("Test"), 1);
    }

    std::int32_t LiveClubs() { return storage::UsedRecs(Ol().clubFile); }
};

TEST_F(NewFiles, KeepsTheClubsAndEmptiesTheCompetitionRegister) {
    EXPECT_EQ(CreateNewFilesCommand(), MaintenanceResult::done);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "??");
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text),
              "Befintliga datafiler kommer att förstöras. OK?");
    // One Enter must not destroy the data: No is the default button.
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::YesNoDefaultNo);
    ASSERT_TRUE(Ol().CommonFilesOpen);
    EXPECT_EQ(Ol().CompetitionSlots, 1);
    EXPECT_EQ(Ol().CurrentCompetition, 0);
    EXPECT_EQ(LiveClubs(), 1);
}

TEST_F(NewFiles, NoChangesNothing) {
    CloseCommonFiles();
    const auto before = FolderContents();
    ASSERT_TRUE(OpenCommonFiles());
    boxes.answers = {MessageResult::No};
    EXPECT_EQ(CreateNewFilesCommand(), MaintenanceResult::declined);
    CloseCommonFiles();
    EXPECT_EQ(FolderContents(), before);
}

TEST_F(NewFiles, AnEmptyRegisterIsReplacedWithoutAsking) {
    CloseParticipantFiles();
    ASSERT_TRUE(DeleteCompetition(1, false));
    EXPECT_EQ(CreateNewFilesCommand(), MaintenanceResult::done);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(NewFiles, AClubRegisterThatCannotBeOpenedIsKeptAndReported) {
    CloseCommonFiles();
    std::filesystem::remove(folder / "CLUBAR.IX");
    const std::string clubs = FileBytes("CLUBAR.DAT");
    EXPECT_EQ(CreateNewFiles(), MaintenanceResult::failed);
    EXPECT_EQ(FileBytes("CLUBAR.DAT"), clubs);
    EXPECT_FALSE(Exists("CLUBAR.IX"));
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text).rfind("CLUBAR: ", 0), 0u);
    EXPECT_FALSE(Ol().CommonFilesOpen);
}

TEST_F(NewFiles, MissingRegistersAreCreated) {
    CloseCommonFiles();
    for (const char* name : {"DISTR.DAT", "DISTR.IX", "RUTBESKR.DAT", "RUTBESKR.IX"}) {
        std::filesystem::remove(folder / name);
    }
    EXPECT_EQ(CreateNewFiles(), MaintenanceResult::done);
    EXPECT_TRUE(Exists("DISTR.IX"));
    EXPECT_TRUE(Exists("RUTBESKR.DAT"));
    EXPECT_EQ(LiveClubs(), 1);
}

TEST_F(NewFiles, WithTheCommonFilesOpenNothingIsCreated) {
    EXPECT_EQ(CreateNewFiles(), MaintenanceResult::failed);
    EXPECT_EQ(Ol().CompetitionSlots, 2);
}

}  // namespace
}  // namespace oltoma::ol
