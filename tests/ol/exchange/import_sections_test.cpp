// Sections that change the competition: draw modes, stage and day count,
// results sections with and without the printed result log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/time/clock_text.h"
#include "exchange_fixture.h"
#include "ol/data/files/competitions.h"

namespace oltoma::ol::testing {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string>& MessageLines() {
    static std::vector<std::string> lines;
    return lines;
}

class ImportSections : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        competition = NewCompetition("Vårträffen");
        ASSERT_NE(competition, 0);
        previousTime = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 13, 5, 9, 1}; });
        MessageLines().clear();
        previousMessages = BindMessageLineObserver(
            [](std::string_view line) { MessageLines().push_back(Utf8FromWindows1252(line)); });
    }
    void TearDown() override {
        BindMessageLineObserver(previousMessages);
        SetLocalTimeSource(previousTime);
        ExchangeTest::TearDown();
    }

    // The competition as stored in the register.
    InfoRec Stored() {
        int n = competition;
        bool notFound = true;
        bool ok = false;
        CloseParticipantFiles();
        EXPECT_TRUE(FindCompetition(1, {}, n, notFound, ok));
        const InfoRec stored = Ol().competition.rec;
        OpenParticipantFiles();
        return stored;
    }

    KlassRec ClassRecord(std::int32_t rc) {
        KlassRec klass{};
        storage::GetRec(Ol().classFile, rc, &klass);
        return klass;
    }

    int competition = 0;
    LocalTimeSource previousTime;
    MessageLineObserver previousMessages = nullptr;
};

TEST_F(ImportSections, DrawModesMarkEveryClassDrawn) {
    const std::int32_t h21 = AddClass("H21");
    const std::int32_t d21 = AddClass("D21");
    Ol().klass.rec = ClassRecord(h21);
    Ol().klass.rec.Nummerlapp = 101;
    Ol().klass.rec.Count.cell[0] = 5;
    ASSERT_TRUE(RewriteClass(h21));
    Ol().klass.rec = ClassRecord(d21);
    Ol().klass.rec.FirstDataNr = 3;
    Ol().klass.rec.LastDataNr = 9;
    ASSERT_TRUE(RewriteClass(d21));
    Ol().competition.rec.cLottad = 1;

    EXPECT_EQ(CountsLine(ImportText("*KlubbLottad\n")),
              "Adderade:   0 Modifierade:   2 Rader:   1");
    const InfoRec stored = Stored();
    EXPECT_EQ(stored.Lottad, 1);
    EXPECT_EQ(stored.cLottad, 0);
    EXPECT_EQ(stored.Jaktad, 0);
    const KlassRec withBibs = ClassRecord(h21);
    EXPECT_EQ(withBibs.FrstStNr, 101);
    EXPECT_EQ(withBibs.StNrCount, 105);
    EXPECT_EQ(withBibs.Flag, 1);
    EXPECT_EQ(withBibs.eftAnm[0], 0);
    EXPECT_EQ(withBibs.eftAnm[1], 0);
    const KlassRec withoutBibs = ClassRecord(d21);
    EXPECT_EQ(withoutBibs.FrstStNr, 3);
    EXPECT_EQ(withoutBibs.StNrCount, 9);
    EXPECT_TRUE(std::any_of(
        progress.windows.back()->shown.begin(), progress.windows.back()->shown.end(),
        [](const std::string& line) { return line == "Antal:  2 [  2]. Klass \"D21\""; }));

    // The pursuit start only adds its flag.
    ImportText("*JaktLottad\n");
    EXPECT_EQ(Stored().Jaktad, 1);
    EXPECT_EQ(Stored().Lottad, 1);
}

TEST_F(ImportSections, DrawModeWithoutACompetitionIsRefused) {
    CloseParticipantFiles();
    ClearCompetitionRecord();
    const Lines log = ImportText("*GruppLottad\n");
    EXPECT_EQ(Body(log), (Lines{"importerar \"*GruppLottad\""}));
    EXPECT_NE(std::find(MessageLines().begin(), MessageLines().end(), "Filerna inte öppna"),
              MessageLines().end());
    EXPECT_EQ(Ol().competition.rec.gLottad, 0);
}

TEST_F(ImportSections, StageAndDayCountComeFromTheHeader) {
    const struct {
        const char* header;
        int stage;
        int days;
    } cases[] = {
        {"*Etapp=2", 2, 0}, {"*Etapp=9", 1, 0},  {"*Etapp=0", 1, 0},   {"*Maxdag=2", 0, 2},
        {"*Maxdag", 0, 0},  {"*Maxdag=7", 0, 1}, {"*Maxdag=-1", 0, 1},
    };
    for (const auto& c : cases) {
        Ol().competition.rec.StrNr = 3;
        Ol().competition.rec.DagStr = 0;
        Ol().competition.rec.maxDag = 0;
        ImportText(std::string(c.header) + "\n");
        EXPECT_EQ(Ol().competition.rec.DagStr, c.stage) << c.header;
        EXPECT_EQ(Ol().competition.rec.maxDag, c.days) << c.header;
    }
}

TEST_F(ImportSections, ResultsSectionPrintsItsSheetBetweenTheImportLogs) {
    WorkingGlobalSettings().computerName = "DATOR1";
    InfoRec& c = Ol().competition.rec;
    c.PrLogg = 1;
    c.StrNr = 2;
    c.DagStr = 1;
    c.Count.cell[0] = 3;
    c.Count.cell[26] = 3;
    c.ResIndex[0] = 7;
    c.ResIndex[26] = 7;
    c.ResIndex[52] = 7;

    const Lines log = ImportText("*Resultat\n1,2\n");
    const Lines opening = {
        "LOGGLISTA IMPORT",
        "",
        "============================",
        "importerar \"" + Here() + "/import.txt\"",
        "",
        "importerar \"*Resultat\"",
        "IMPORT KLAR!",
        "   " + std::string(60, '-'),
        "    Logg dag:1 \"DATOR1\" Sid-1- ",
        "    " + std::string(15, '-') + "    3.. 2024-03-04 13:05:09 " + std::string(15, '-')};
    ASSERT_GE(log.size(), opening.size() + 75 + 8);
    EXPECT_EQ(Lines(log.begin(), log.begin() + opening.size()), opening);
    auto at = log.begin() + opening.size();
    EXPECT_TRUE(std::all_of(at, at + 75, [](const std::string& line) { return line.empty(); }));
    at += 75;
    EXPECT_EQ(Lines(at, log.end()),
              (Lines{"    DatorId: \"DATOR1\"",
                     "    InputResultat aktiverad ..00:00 .... Måndag  2024-03-04 13:05:09",
                     "    #www.oltoma.example.org info@oltoma.example.org##", "LOGGLISTA IMPORT",
                     "", "Adderade:   0 Modifierade:   0 Rader:   2", "", "IMPORT KLAR!"}));
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"importlogg", "OlTomaW:resultatlogg",
                                                             ". forts...", "importlogg"}));
    EXPECT_FALSE(printer.Printing());
    // The day count is given back when the stage's count equals the total;
    // the result indexes of the stage and the total are reset.
    EXPECT_EQ(c.maxDag, 0);
    EXPECT_EQ(c.ResIndex[0], 0);
    EXPECT_EQ(c.ResIndex[26], 0);
    EXPECT_EQ(c.ResIndex[52], 7);
}

TEST_F(ImportSections, ResultsSectionWithoutPrLoggLeavesOnlyTheStatusText) {
    Ol().competition.rec.DagStr = 1;
    Ol().competition.rec.Count.cell[0] = 2;
    ImportText("*Emitresultat\n1\n");
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"importlogg"}));
    EXPECT_NE(
        std::find(MessageLines().begin(), MessageLines().end(), "InputResultat aktiverad ..00:00"),
        MessageLines().end());
    EXPECT_EQ(Ol().competition.rec.maxDag, 1);  // the stage's count differs: the count raised stays
}

}  // namespace
}  // namespace oltoma::ol::testing
