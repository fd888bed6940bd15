#include "ol/data/files/competition_info.h"

#include <gtest/gtest.h>

#include "bound_services.h"
#include "data_layer_fixture.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/main_window_support.h"
#include "scripted_services.h"

namespace oltoma::ol {
namespace {

using State = CompetitionMenuEntry::State;

class CompetitionInfo : public testing::DataLayerTest {};

TEST_F(CompetitionInfo, AddingKeepsTheOpenCompetitionAndStoresTheGiroTexts) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    Ol().clubTable.Text1 = "111-1";
    Ol().clubTable.Arr = "Ettans kassa";
    ASSERT_TRUE(BeginCompetitionInfo(true));
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
    EXPECT_TRUE(Ol().competition.rec.Tvl.empty());
    EXPECT_TRUE(Ol().clubTable.Text1.empty())
        << "the new one does not start with the open one's giro";
    EXPECT_TRUE(Ol().clubTable.Arr.empty());
    EXPECT_EQ(ReadCompetitionMenuEntries()[0].name, "Ett") << "the open one was not overwritten";

    Ol().competition.rec.Tvl = "Två";
    ASSERT_TRUE(CommitCompetitionInfo(true, {"123-4", "5678-9012", "OK Kassan"}));
    EXPECT_EQ(Ol().CurrentCompetition, 2);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Ol().clubTable.Text1, "123-4");

    CloseParticipantFiles();
    ClearClubTable();
    ASSERT_TRUE(OpenParticipantFiles());
    EXPECT_EQ(Ol().clubTable.Text1, "123-4");
    EXPECT_EQ(Ol().clubTable.Text2, "5678-9012");
    EXPECT_EQ(Ol().clubTable.Arr, "OK Kassan");
}

TEST_F(CompetitionInfo, EditingRewritesTheCurrentCompetition) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_TRUE(BeginCompetitionInfo(false));
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    Ol().competition.rec.Tvl = "Ettan";
    ASSERT_TRUE(CommitCompetitionInfo(false, {"1", "2", "3"}));
    EXPECT_EQ(ReadCompetitionMenuEntries()[0].name, "Ettan");
    EXPECT_EQ(Ol().CompetitionsUsed, 1);
}

TEST_F(CompetitionInfo, ANinthCompetitionIsRefusedButEditingIsNot) {
    for (int n = 1; n <= kMaxCompetitions; ++n) {
        ASSERT_EQ(NewCompetition("T"), n);
    }
    SetMessageLine("");
    EXPECT_FALSE(BeginCompetitionInfo(true));
    EXPECT_EQ(Message(), "Max antal tävlingar uppnått kan ej addera flera!");
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_TRUE(BeginCompetitionInfo(false));
}

TEST_F(CompetitionInfo, CancelBringsTheRememberedCompetitionBack) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    Ol().clubTable.Text2 = "5050-1055";
    const InfoRec saved = Ol().competition.rec;
    ASSERT_TRUE(BeginCompetitionInfo(true));
    Ol().competition.rec.Tvl = "Aldrig sparad";
    CancelCompetitionInfo(saved);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Ol().CurrentCompetition, 1);
    EXPECT_EQ(Ol().competition.rec.Tvl, "Ett");
    EXPECT_EQ(Ol().clubTable.Text2, "5050-1055");
    EXPECT_EQ(Ol().CompetitionsUsed, 1);
}

TEST_F(CompetitionInfo, WithoutAChosenCompetitionThereIsNothingToChange) {
    oltoma::testing::RecordingSound sound;
    oltoma::testing::BoundServices bound({.sound = &sound});
    ASSERT_EQ(NewCompetition("Ett"), 1);
    RemoveCompetition(1);
    ASSERT_EQ(Ol().CurrentCompetition, 0);
    SetMessageLine("");
    EXPECT_FALSE(BeginCompetitionInfo(false));
    EXPECT_EQ(Message(), "<tävling ej vald/inmatad>");
    EXPECT_EQ(sound.beeps.size(), 1u);
    EXPECT_TRUE(BeginCompetitionInfo(true)) << "adding needs no chosen competition";
}

TEST_F(CompetitionInfo, WithoutCommonFilesThereIsNoDialog) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    CloseCommonFiles();
    EXPECT_FALSE(BeginCompetitionInfo(false));
    EXPECT_EQ(Ol().CurrentCompetition, 0);
}

TEST_F(CompetitionInfo, ANewCompetitionWhoseFilesCannotBeMadeIsRemoved) {
    std::filesystem::create_directory(folder / "TRACK01.DAT");
    ASSERT_TRUE(BeginCompetitionInfo(true));
    Ol().competition.rec.Tvl = "Trasig";
    EXPECT_FALSE(CommitCompetitionInfo(true, {}));
    EXPECT_EQ(Message().rfind("TRACK01: ", 0), 0u) << Message();
    EXPECT_EQ(ReadCompetitionMenuEntries()[0].state, State::deleted);
    EXPECT_EQ(Ol().CompetitionsUsed, 0);
    EXPECT_FALSE(Exists("CLUBS01.Dat"));
}

TEST_F(CompetitionInfo, TheDefinitionBracketLendsTheFilesAndGivesThemBack) {
    bool ran = false;
    EXPECT_FALSE(RunWithDefinitionFiles([&] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(Message(), "Filerna inte öppna");

    ASSERT_EQ(NewCompetition("Ett"), 1);
    EXPECT_TRUE(RunWithDefinitionFiles([&] {
        ran = true;
        EXPECT_TRUE(Ol().DefinitionFilesOpen);
        EXPECT_FALSE(Ol().ParticipantFilesOpen);
    }));
    EXPECT_TRUE(ran);
    EXPECT_FALSE(Ol().DefinitionFilesOpen);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
}

}  // namespace
}  // namespace oltoma::ol
