#include "ol/data/files/delete_all_participants.h"

#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/result_codes.h"
#include "storage/access_layer.h"
#include "storage/structure_check.h"

namespace oltoma::ol {
namespace {

using platform::MessageResult;

class DeleteAll : public testing::DataLayerTest {
protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        ASSERT_EQ(NewCompetition("Ett"), 1);
        for (const char* designation : {"H21", "D21"}) {
            ClearClass();
            KlassRec& klass = Ol().klass.rec;
            klass.Bet = designation;
            klass.FrstStNr = 101;
            klass.StNrCount = 3;
            klass.SegrTid[1][0] = 3600;
            klass.SegrNdx[1][0] = 2;
            AddToCount(klass.Count, 0, 0, 3);
            std::int32_t rc = 0;
            ASSERT_TRUE(SaveClass(true, rc));
        }
        for (const char* number : {"0001", "0002", "0003"}) {
            ClearParticipant();
            Ol().participant.rec.NrStr = number;
            std::int32_t rc = 0;
            ASSERT_TRUE(SaveParticipant(true, rc));
        }
        Ol().competition.rec.Lottad = 1;
        Ol().competition.rec.maxDag = 2;
        AddToCount(Ol().competition.rec.Count, 0, 0, 3);
        Ol().clubTable.Counter = 4;
        SetEntryCount(Ol().clubTable, 1, 3);
        SetEntryCount(Ol().clubTable, 900, 1);
    }

    std::int32_t Participants() { return storage::UsedRecs(Ol().participantFile); }
};

TEST_F(DeleteAll, NoKeepsEverything) {
    boxes.answers = {MessageResult::No};
    EXPECT_FALSE(DeleteAllParticipants());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "??");
    EXPECT_EQ(boxes.shown[0].text, "Alla Persondata kommer att raderas Ok!");
    // One Enter must not destroy the data: No is the default button.
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(Participants(), 3);
    EXPECT_TRUE(progress.windows.empty());
}

TEST_F(DeleteAll, YesMakesANewParticipantFileAndResetsTheCounters) {
    ASSERT_TRUE(DeleteAllParticipants());
    EXPECT_EQ(Participants(), 0);
    EXPECT_EQ(storage::FileLen(Ol().participantFile), 1);
    EXPECT_TRUE(storage::CheckFileBlockStructure(Ol().participantFile).empty());
    EXPECT_FALSE(Exists("OL01NY.DAT"));
    EXPECT_FALSE(Exists("OL01NY.IX"));

    ASSERT_EQ(progress.windows.size(), 1u);
    EXPECT_EQ(progress.windows[0]->options.caption, "Skapar nya personfiler");
    EXPECT_EQ(progress.windows[0]->shown,
              (std::vector<std::string>{"Nollst\xE4ller Klass:D21", "Nollst\xE4ller Klass:H21"}));
    EXPECT_EQ(progress.OpenCount(), 0);

    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    ASSERT_TRUE(FindClass(FindMode::kByKey, "H21", rc, notFound, ok));
    const KlassRec& klass = Ol().klass.rec;
    EXPECT_EQ(klass.FrstStNr, 0);
    EXPECT_EQ(klass.StNrCount, 0);
    EXPECT_EQ(klass.SegrTid[1][0], kEjStartTime);
    EXPECT_EQ(klass.SegrNdx[1][0], 0);
    EXPECT_EQ(klass.eftAnm[0], -1);
    EXPECT_EQ(CountAt(klass.Count, 0, 0), 0);

    const InfoRec& info = Ol().competition.rec;
    EXPECT_EQ(info.Lottad, 0);
    EXPECT_EQ(info.maxDag, 0);
    EXPECT_EQ(CountAt(info.Count, 0, 0), 0);
    EXPECT_EQ(Ol().clubTable.Counter, 0);
    EXPECT_EQ(EntryCountOf(Ol().clubTable, 1), 0);
    EXPECT_EQ(EntryCountOf(Ol().clubTable, 900), 0);

    // The competition record was stored: it reads back reset.
    CloseParticipantFiles();
    int n = 1;
    ASSERT_TRUE(FindCompetition(1, {}, n, notFound, ok));
    EXPECT_EQ(Ol().competition.rec.Lottad, 0);

    // Nothing left to delete: no question.
    ASSERT_TRUE(OpenParticipantFiles());
    boxes.shown.clear();
    EXPECT_FALSE(DeleteAllParticipants());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DeleteAll, ANewFileThatCannotBeMadeLeavesTheParticipants) {
    std::filesystem::create_directory(folder / "OL01NY.DAT");
    EXPECT_FALSE(DeleteAllParticipants());
    EXPECT_EQ(Message().rfind("OL01NY: ", 0), 0u) << Message();
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Participants(), 3);
    EXPECT_EQ(Ol().competition.rec.Lottad, 1);
    EXPECT_EQ(progress.OpenCount(), 0);
}

}  // namespace
}  // namespace oltoma::ol
