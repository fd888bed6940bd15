#include "ol/data/files/competitions.h"

#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "ol/data/files/file_groups.h"
#include "platform/services.h"

namespace oltoma::ol {
namespace {

using State = CompetitionMenuEntry::State;
using platform::MessageResult;

class Competitions : public testing::DataLayerTest {
protected:
    void Choose(int n) {
        CloseParticipantFiles();
        WorkingGlobalSettings().currentNumber = n;
        ReopenCompetition();
    }
};

TEST_F(Competitions, NewChooseEditAndDeleteThroughTheDataLayer) {
    ASSERT_EQ(NewCompetition("Vårtävlingen", "OK Linné"), 1);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 1);
    for (const char* name : {"KLASS01.DAT", "KLASS01.IX", "OL01.DAT", "OL01.IX", "TRACK01.DAT",
                             "KONTR01.DAT", "CLUBS01.Dat"}) {
        EXPECT_TRUE(Exists(name)) << name;
    }
    ASSERT_EQ(NewCompetition("Höstträffen"), 2);

    auto entries = ReadCompetitionMenuEntries();
    EXPECT_EQ(entries[0].state, State::live);
    EXPECT_EQ(Utf8FromWindows1252(entries[0].name), "Vårtävlingen");
    EXPECT_EQ(Utf8FromWindows1252(entries[1].name), "Höstträffen");
    EXPECT_EQ(entries[2].state, State::vacant);

    Choose(1);
    ASSERT_EQ(Ol().CurrentCompetition, 1);
    ASSERT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Utf8FromWindows1252(Ol().competition.rec.Arr.view()), "OK Linné");

    // An edit reaches the register when the participant files close.
    Ol().competition.rec.Tvl = "Vårcupen";
    Choose(2);
    EXPECT_EQ(ReadCompetitionMenuEntries()[0].name, "Vårcupen");

    CloseParticipantFiles();
    boxes.answers = {MessageResult::No};
    EXPECT_FALSE(DeleteCompetition(2, true));
    EXPECT_TRUE(Exists("KLASS02.DAT"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "??");
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text), "OlDataBas: Höstträffen raderas ");
    // One Enter must not destroy the data: No is the default button.
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::YesNoDefaultNo);

    ASSERT_TRUE(DeleteCompetition(2, true));
    EXPECT_EQ(MessageLine.str(), "\"KLASS02\" \"CLUBS02\" \"OL02\" \"TRACK02\" \"KONTR02\" ");
    for (const char* name : {"KLASS02.DAT", "KLASS02.IX", "KLASS02.DIA", "CLUBS02.Dat", "OL02.DAT",
                             "TRACK02.DAT", "KONTR02.DAT"}) {
        EXPECT_FALSE(Exists(name)) << name;
    }
    EXPECT_EQ(Ol().CurrentCompetition, 0);
    EXPECT_EQ(ReadCompetitionMenuEntries()[1].state, State::deleted);
    EXPECT_FALSE(DeleteCompetition(2, false));  // "raderad" cannot be deleted again

    // A deleted record is never written back to life.
    EXPECT_FALSE(StoreCompetition(2));
    EXPECT_EQ(ReadCompetitionMenuEntries()[1].state, State::deleted);
    Choose(2);
    EXPECT_EQ(Ol().CurrentCompetition, 0);
    EXPECT_FALSE(Ol().ParticipantFilesOpen);

    // The next competition takes the deleted one's number.
    EXPECT_EQ(NewCompetition("Sommarsprinten"), 2);
    EXPECT_EQ(ReadCompetitionMenuEntries()[1].state, State::live);
    EXPECT_EQ(Ol().competition.rec.Lnr, "02");
}

TEST_F(Competitions, AtMostEightAndDeletedNumbersAreReused) {
    for (int n = 1; n <= kMaxCompetitions; ++n) {
        ASSERT_EQ(NewCompetition("T" + std::to_string(n)), n);
    }
    CloseParticipantFiles();
    Ol().competition.rec.Tvl = "T9";
    int n = -1;
    EXPECT_FALSE(SaveCompetition(true, n));
    EXPECT_EQ(n, 0);
    EXPECT_EQ(Message(), "Max antal tävlingar uppnått, kan ej addera fler!");
    EXPECT_EQ(Ol().CompetitionSlots, 9);
    EXPECT_EQ(Ol().CompetitionsUsed, 8);

    ASSERT_TRUE(DeleteCompetition(5, false));
    EXPECT_EQ(Ol().CompetitionsUsed, 7);
    EXPECT_EQ(NewCompetition("T5 igen"), 5);
    EXPECT_EQ(Ol().CompetitionSlots, 9);
}

TEST_F(Competitions, FindModesChooseTheNumber) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_EQ(NewCompetition("Två"), 2);
    ASSERT_EQ(NewCompetition("Tre"), 3);
    CloseParticipantFiles();
    ASSERT_TRUE(DeleteCompetition(2, false));
    const struct {
        int mode;
        const char* text;
        int current;
        int n;
        int found;
    } cases[] = {
        {0, "03", 0, 0, 3}, {3, "01", 0, 0, 1}, {0, "3x", 0, 0, 0}, {0, "02", 0, 0, 0},
        {2, "", 2, 0, 3},   {2, "", 3, 0, 0},   {4, "", 1, 5, 0},   {1, "", 0, 3, 3},
        {1, "", 0, 9, 0},   {1, "", 0, -1, 0},
    };
    for (const auto& c : cases) {
        Ol().CurrentCompetition = c.current;
        int n = c.n;
        bool notFound = false;
        bool ok = false;
        EXPECT_EQ(FindCompetition(c.mode, c.text, n, notFound, ok), c.found != 0)
            << c.mode << c.text;
        EXPECT_EQ(n, c.found) << c.mode << c.text;
        EXPECT_EQ(notFound, c.found == 0);
        EXPECT_TRUE(ok);
        if (c.found != 0) {
            EXPECT_EQ(Ol().CurrentCompetition, c.found);
        }
    }
}

TEST_F(Competitions, RecreationalTypeIsRecognised) {
    ASSERT_EQ(NewCompetition("Kvällsträning"), 1);
    Ol().competition.rec.Typ = "Motion";
    CloseParticipantFiles();
    int n = 1;
    bool notFound = true;
    bool ok = false;
    ASSERT_TRUE(FindCompetition(1, {}, n, notFound, ok));
    EXPECT_TRUE(Ol().Recreational);
    ClearCompetitionRecord();
    EXPECT_FALSE(Ol().Recreational);
    EXPECT_EQ(Ol().CurrentCompetition, 0);
}

TEST_F(Competitions, SelectAndReopenNeedTheCommonFiles) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    CloseCommonFiles();
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
    WorkingGlobalSettings().currentNumber = 1;
    SelectCompetition(true, 1);
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 0);
    WorkingGlobalSettings().currentNumber = 1;
    ReopenCompetition();
    EXPECT_EQ(WorkingGlobalSettings().currentNumber, 0);
    EXPECT_FALSE(DeleteCompetition(1, false));
    for (const auto& entry : ReadCompetitionMenuEntries()) {
        EXPECT_EQ(entry.state, State::vacant);
    }
}

}  // namespace
}  // namespace oltoma::ol
