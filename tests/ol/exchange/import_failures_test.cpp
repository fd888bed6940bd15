// Files that end early, records that cannot be stored and files that cannot
// be opened: the import ends them cleanly and tells what happened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/time/stopwatch.h"
#include "exchange_fixture.h"
#include "ol/exchange/import_file.h"
#include "storage/fault_injection.h"

namespace oltoma::ol::testing {
namespace {

using Lines = std::vector<std::string>;

class ImportFailures : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        ASSERT_NE(NewCompetition("Vårträffen"), 0);
    }

    static int StopwatchDepth() {
        const int depth = StartStopwatch();
        StopStopwatch(0);
        return depth - 1;
    }
};

TEST_F(ImportFailures, AnUnknownHeaderEndsAResultsSectionFirst) {
    Ol().competition.rec.PrLogg = 1;
    Ol().competition.rec.DagStr = 1;
    Ol().competition.rec.Count.cell[0] = 4;  // differs from the stage's: the raised count stays
    const int depth = StopwatchDepth();
    const Lines log = ImportText("*Resultat\n1\n*Okänd\n2\n");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().caption, "info");
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown.back().text), "Okänd identifierare! Rad:    3");
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.jobTitles().back(), "importlogg");
    EXPECT_EQ(log.back(), "IMPORT KLAR!");
    EXPECT_EQ(StopwatchDepth(), depth);
    EXPECT_EQ(Ol().competition.rec.maxDag, 1);
    EXPECT_NE(std::find(log.begin(), log.end(), "Okänd identifierare! Rad:    3"), log.end());
}

TEST_F(ImportFailures, TheLastFileClosesTheLogHoweverItEnded) {
    const Lines log = ImportText("*Kontroller\n31\n*Okänd\n32\n");
    EXPECT_EQ(log.back(), "IMPORT KLAR!");
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_TRUE(Control(" 31"));
    EXPECT_FALSE(Control(" 32"));
}

TEST_F(ImportFailures, AFailedStoreCountsTheRecordAsFaultyAndIOFailuresEndTheFile) {
    CloseParticipantFiles();
    ASSERT_TRUE(OpenDefinitionFiles());
    storage::fault::FailWriteAt(1);
    const Lines log = ImportText("*Kontroller\n31\n32\n");
    const Lines body = Body(log);
    ASSERT_EQ(body.size(), 2u);
    EXPECT_EQ(body[0], "importerar \"*Kontroller\"");
    EXPECT_TRUE(body[1].starts_with("     KONTR01: Btree: ")) << body[1];
    EXPECT_EQ(CountsLine(log), "Adderade:   0 Modifierade:   0 Rader:   2");
    const auto& shown = progress.windows.back()->shown;
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Kontr:  31 Record:   0..felaktig!!"),
              shown.end());
    EXPECT_FALSE(Control(" 31"));
    EXPECT_FALSE(Control(" 32"));
}

TEST_F(ImportFailures, ARouteFileThatCannotBeOpenedLeavesTheFilesOpenAfterwards) {
    std::filesystem::remove(folder / "RUTBESKR.DAT");
    const Lines log = ImportText("*Rutbeskr\nX,y,1\n");
    EXPECT_EQ(Body(log), (Lines{"importerar \"*Rutbeskr\""}));
    EXPECT_EQ(WorkingGlobalSettings().routeDescriptionFormat, 1);
    EXPECT_TRUE(Ol().CommonFilesOpen);
    EXPECT_TRUE(Ol().Route24FileOpen);
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Ol().CurrentCompetition, 1);
}

TEST_F(ImportFailures, TwoFilesTheFirstAborted) {
    progress.cancelAtEventRound = 1;
    WriteFile("a.txt", "*Kontroller\n31\n32\n");
    WriteFile("b.txt", "*Banor\nA,1,1,31\n");
    ImportFiles({"b.txt", "a.txt"});
    const Lines& log = LogLines();
    const Lines aborted = {"", "<< avbrutet >>", "", "Adderade:   1 Modifierade:   0 Rader:   2",
                           "", "IMPORT KLAR!"};
    const auto at = std::search(log.begin(), log.end(), aborted.begin(), aborted.end());
    ASSERT_NE(at, log.end());
    EXPECT_EQ(log.back(), "IMPORT KLAR!");
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"importlogg", "logglista"}));
    EXPECT_TRUE(Control(" 31"));
    EXPECT_FALSE(Control(" 32"));
    EXPECT_TRUE(Course("A"));
}

TEST_F(ImportFailures, FilesThatCannotBeReadAreSkippedOrEndAtOnce) {
    ImportFile(0, "missing.txt", Here(), 1, 2);
    EXPECT_EQ(Message(), "Kan ej öppna IxportFile: \"" + Here() + "/missing.txt\" Hittar ej filen");
    std::filesystem::create_directory("mapp");
    ImportFile(0, "mapp", Here(), 2, 2);
    EXPECT_EQ(LogLines(),
              (Lines{"LOGGLISTA IMPORT", "",
                     "============================", "importerar \"" + Here() + "/mapp\"", "",
                     "     Fel vid läsning av \"" + Here() + "/mapp\" Filåtkomst förvägras",
                     "Adderade:   0 Modifierade:   0 Rader:   0", "", "IMPORT KLAR!"}));
}

TEST_F(ImportFailures, TheControlFileTakes511Controls) {
    const auto code = [](int i) {
        return std::string{static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)};
    };
    std::string file = "*Kontroller\n";
    for (int i = 0; i < 513; ++i) {
        file += code(i) + "\n";
    }
    const Lines log = ImportText(file);
    EXPECT_EQ(CountsLine(log), "Adderade: 511 Modifierade:   0 Rader: 513");
    EXPECT_EQ(UsedRecords(&Controls), 511);
    EXPECT_TRUE(Control(code(510)));
    EXPECT_FALSE(Control(code(511)));
    EXPECT_TRUE(Message().starts_with("Import/export av  513 rader ")) << Message();
}

}  // namespace
}  // namespace oltoma::ol::testing
