#include "ol/data/files/main_window_support.h"

#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "ol/data/files/registers.h"

namespace oltoma::ol {
namespace {

using platform::MessageResult;

class MainWindowSupport : public testing::DataLayerTest {
protected:
    std::string Status() const { return Utf8FromWindows1252(DataStatusText()); }

    void AddParticipant() {
        ClearParticipant();
        Ol().participant.rec.NrStr = "0001";
        std::int32_t rc = 0;
        ASSERT_TRUE(SaveParticipant(true, rc));
    }
};

TEST_F(MainWindowSupport, DataStatusTextFollowsTheOpenFiles) {
    EXPECT_EQ(Status(), "<tävling ej vald/inmatad>");
    ASSERT_EQ(NewCompetition("Vårtävlingen", "OK Linné"), 1);
    EXPECT_EQ(Status(), "Vårtävlingen OK Linné <inga tävlande inmatade>");
    AddParticipant();
    EXPECT_EQ(Status(), "Vårtävlingen OK Linné");

    Ol().competition.rec.Tvl = std::string(40, 'T');
    Ol().competition.rec.Arr = std::string(40, 'A');
    EXPECT_EQ(DataStatusText(), std::string(40, 'T') + " " + std::string(40, 'A'));

    CloseCommonFiles();
    EXPECT_EQ(Status(), "<datafiler saknas>");
}

TEST_F(MainWindowSupport, ConditionsOfTheMenus) {
    FileSetConditions conditions = ReadFileSetConditions();
    EXPECT_TRUE(conditions.commonFilesOpen);
    EXPECT_TRUE(conditions.noClubs);
    EXPECT_TRUE(conditions.noRoutes);
    EXPECT_FALSE(conditions.participantFilesOpen);
    EXPECT_TRUE(conditions.noParticipants);
    EXPECT_FALSE(conditions.definitionFilesOpen);

    std::int32_t rc = 0;
    ClearClub();
    Ol().club.rec.Namn = "OK TESTER";
    ASSERT_TRUE(SaveClub(true, rc));
    ClearRoute24();
    Ol().route24.rec.Namn = "BRANT";
    ASSERT_TRUE(SaveRoute24(true, rc));
    ASSERT_EQ(NewCompetition("Ett"), 1);
    AddParticipant();
    ASSERT_TRUE(OpenDefinitionFiles());
    ClearControl();
    Ol().control.rec.KodNr = "31";
    ASSERT_TRUE(SaveControl(true, rc));
    ASSERT_TRUE(OpenParticipantFiles());

    conditions = ReadFileSetConditions();
    EXPECT_FALSE(conditions.noClubs);
    EXPECT_FALSE(conditions.noRoutes);
    EXPECT_TRUE(conditions.participantFilesOpen);
    EXPECT_FALSE(conditions.noParticipants);
    EXPECT_TRUE(conditions.definitionFilesOpen);
    EXPECT_FALSE(conditions.noControls);
    EXPECT_TRUE(conditions.noCourses);
    EXPECT_TRUE(Ol().ParticipantFilesOpen) << "the participant files are back";
    EXPECT_FALSE(Ol().DefinitionFilesOpen);
}

TEST_F(MainWindowSupport, ChooseAndRemoveKeepTheCurrentCompetition) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_EQ(NewCompetition("Två"), 2);
    ChooseCompetition(1);
    EXPECT_EQ(Ol().CurrentCompetition, 1);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);

    RemoveCompetition(2);  // answered yes
    EXPECT_EQ(Ol().CurrentCompetition, 1);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(ReadCompetitionMenuEntries()[1].state, CompetitionMenuEntry::State::deleted);

    boxes.answers = {MessageResult::No};
    RemoveCompetition(1);
    EXPECT_EQ(Ol().CurrentCompetition, 1) << "declining keeps it chosen";
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 1);

    RemoveCompetition(1);
    EXPECT_EQ(Ol().CurrentCompetition, 0);
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 0);

    boxes.shown.clear();
    RemoveCompetition(7);  // beyond the register: nothing is asked
    EXPECT_TRUE(boxes.shown.empty());
    ChooseCompetition(2);  // a deleted one cannot be chosen
    EXPECT_EQ(Ol().CurrentCompetition, 0);
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
}

}  // namespace
}  // namespace oltoma::ol
