// The club and participant exports, compared byte for byte with the files
// they must write.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/settings/program_version.h"
#include "base/settings/settings_state.h"
#include "base/time/clock_text.h"
#include "bound_services.h"
#include "exchange_fixture.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/exchange/club_display_name.h"
#include "ol/exchange/club_export.h"
#include "ol/exchange/participant_export.h"
#include "scripted_services.h"

namespace oltoma::ol::testing {
namespace {

Real48 Amount(double value) {
    Real48 real{};
    EXPECT_TRUE(DoubleToReal48(value, real));
    return real;
}

// Lines of a file as the exports write them (UTF-8 here, CR LF there).
std::string Crlf(const std::vector<std::string>& utf8Lines) {
    std::string text;
    for (const std::string& line : utf8Lines) {
        text += Windows1252FromUtf8(line) + "\r\n";
    }
    return text;
}

class Export : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        previousTime = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 13, 5, 9, 1}; });
    }
    void TearDown() override {
        SetLocalTimeSource(previousTime);
        ExchangeTest::TearDown();
    }

    // Runs the export with the save dialog answering `name`; returns the
    // file's bytes.
    std::string Exported(ExportResult (*run)(platform::WindowHandle), const std::string& name) {
        dialogs.Choose(Here() + "/" + name);
        EXPECT_EQ(run(0), ExportResult::written) << Message();
        std::ifstream file(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static ExportResult Clubs(platform::WindowHandle owner) { return ExportClubs(owner); }
    static ExportResult Participants(platform::WindowHandle owner) {
        return ExportParticipants(owner, false);
    }
    static ExportResult OpenClasses(platform::WindowHandle owner) {
        return ExportParticipants(owner, true);
    }

    std::int32_t AddClubNamed(const std::string& utf8, int number) {
        std::int32_t rc = AddClub(utf8);
        Ol().club.rec.Cnr = number;
        Ol().club.rec.Dnr = "05";
        Ol().club.rec.Kort = "ABC";
        Ol().club.rec.Adress[0].line[0] = "Kansliet";
        Ol().club.rec.Adress[0].line[1] = "Box 1";
        Ol().club.rec.Adress[0].line[4] = "not exported";
        storage::DeleteKey(Ol().clubFile, 1, rc, ClubKey(Ol().club.rec.Namn));
        EXPECT_TRUE(SaveClub(false, rc));
        return rc;
    }

    std::string First() const { return "; " + MainWindowCaption() + "\r\n"; }

    oltoma::testing::ScriptedFileDialogs dialogs;
    oltoma::testing::BoundServices bound{{.fileDialogs = &dialogs}};
    LocalTimeSource previousTime;
};

TEST(ClubDisplayName, WordsOfTheTableKeepTheirForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"IFK GÖTEBORG", "IFK Göteborg"},
        {"OK LINNÉ", "OK Linné"},
        {"GOIF TJALVE", "GoIF Tjalve"},
        {"SOIK HELLAS", "SoIK Hellas"},
        {"TÄBY OK", "Täby OK"},
        {"ISS IFK OK", "iss IFK OK"},
        {"OKIF", "Okif"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(Utf8FromWindows1252(ClubDisplayName(Windows1252FromUtf8(stored), true)), shown);
        EXPECT_EQ(ClubDisplayName(Windows1252FromUtf8(stored), false), Windows1252FromUtf8(stored));
    }
}

TEST_F(Export, ClubsWithoutACompetitionHaveNoAmountsAndNoMarks) {
    AddClubNamed("OK LINNÉ", 7);
    AddClubNamed("IFK GÖTEBORG", 12);
    EXPECT_EQ(Exported(&Clubs, "klubbar.ol"),
              First() + Crlf({"; brumlekvarn, ansgar prill, 2024-03-04", "*Klubbar",
                              "IFK Göteborg,00012,05,0,0,01,0,ABC,,", "Kansliet,Box 1,,", ",,,",
                              ",,,", ",,,", "OK Linné,00007,05,0,0,01,0,ABC,,", "Kansliet,Box 1,,",
                              ",,,", ",,,", ",,,"}));
    EXPECT_EQ(Utf8FromWindows1252(WorkingGlobalSettings().exchangePath.view()), Here());
}

TEST_F(Export, ClubsOfACompetitionCarryItsAmountsAndEntries) {
    const std::int32_t linne = AddClubNamed("OK LINNÉ", 7);
    const std::int32_t idrott = AddClubNamed("IFK GÖTEBORG", 12);
    ASSERT_NE(NewCompetition("Vårträffen"), 0);
    Ol().competition.rec.gemen.value = 0;
    ClubEntryOf(Ol().clubTable, linne)->FirstAmount = Amount(150);
    ClubEntryOf(Ol().clubTable, linne)->SecondAmount = Amount(0.125);
    ClubEntryOf(Ol().clubTable, idrott)->SecondAmount = Amount(-0.125);
    SetEntryCount(Ol().clubTable, linne, 2);
    EXPECT_EQ(Exported(&Clubs, "klubbar.ol"),
              First() + Crlf({"; Vårträffen 2024-03-04 13:05:09",
                              "; brumlekvarn, ansgar prill, 2024-03-04", "*Klubbar",
                              "IFK GÖTEBORG,00012,05,0,0,01,0,ABC,0.00,-0.13", "Kansliet,Box 1,,",
                              ",,,", ",,,", ",,,", "OK LINNÉ,00007,05,0,0,01,0,ABC,150.00,0.13,#",
                              "Kansliet,Box 1,,", ",,,", ",,,", ",,,"}));
}

class ParticipantExport : public Export {
protected:
    void SetUp() override {
        Export::SetUp();
        club = AddClubNamed("OK LINNÉ", 7);
        ASSERT_NE(NewCompetition("Vårträffen"), 0);
        h21 = AddClass("H21");
        direct = AddClass("DIR1");
        SetClass(h21, [](KlassRec& k) { k.FrstStTid[0] = 32400; });
        SetClass(direct, [](KlassRec& k) { k.FrstStTid[0] = 36000; });
    }

    template <typename Change>
    void SetClass(std::int32_t rc, Change change) {
        storage::GetRec(Ol().classFile, rc, &Ol().klass.rec);
        change(Ol().klass.rec);
        ASSERT_TRUE(RewriteClass(rc));
    }

    template <typename Change>
    void AddRunner(int number, std::int32_t klass, const std::string& name, Change change) {
        const std::int32_t rc = AddParticipant(number, club, klass, name);
        storage::GetRec(Ol().participantFile, rc, &Ol().participant.rec);
        change(Ol().participant.rec);
        storage::PutRec(Ol().participantFile, rc, &Ol().participant.rec);
        ASSERT_TRUE(storage::IsamSucceeded());
    }

    void AddTheField() {
        AddRunner(1, h21, "ANNA ANDERSSON", [](DeltRec& p) {
            p.StTid[0] = 90;
            p.Bricka = "12345";
            p.EtappTid[0][0] = 3000;
            p.DagBana[0] = "A";
        });
        AddRunner(2, direct, "BO BERG", [](DeltRec& p) {
            p.StTid[0] = 60;
            p.Plac[0][0] = -1;
        });
        AddRunner(3, h21, "CIA\nCARLSSON", [](DeltRec& p) {
            p.Oppen = 1;
            p.Extra = 12;
        });
    }

    std::int32_t club = 0;
    std::int32_t h21 = 0;
    std::int32_t direct = 0;
};

TEST_F(ParticipantExport, NotDrawnOneSectionAndTheDayCount) {
    AddTheField();
    EXPECT_EQ(
        Exported(&Participants, "deltagare.ol"),
        First() + Crlf({";Vårträffen 2024-03-04 13:05:09", "; brumlekvarn, ansgar prill", "*Namn",
                        "OK Linné,H21,Anna Andersson,#LL,!,12345,541:30,050:00  ,0001,A",
                        "OK Linné,DIR1,Bo Berg,#LL,!,,,,0002,",
                        "OK Linné,H21,Cia Carlsson,#LL,!,,,,0003,#0012,", "*Maxdag=00"}));
}

TEST_F(ParticipantExport, DrawnLateEntriesFollowTheDrawState) {
    AddTheField();
    Ol().competition.rec.Lottad = 1;
    Ol().competition.rec.Jaktad = 1;
    Ol().competition.rec.maxDag = 1;
    EXPECT_EQ(
        Exported(&Participants, "deltagare.ol"),
        First() + Crlf({";Vårträffen 2024-03-04 13:05:09", "; brumlekvarn, ansgar prill", "*Namn",
                        "OK Linné,H21,Anna Andersson,#LL,!,12345,541:30,050:00  ,0001,A",
                        "OK Linné,DIR1,Bo Berg,#LL,!,,,,0002,", "*KlubbLottad", "*JaktLottad",
                        "*Maxdag=01", "*Namn", "OK Linné,H21,Cia Carlsson,#LL,!,,,,0003,#0012,"}));

    // Without late entries no second section follows.
    Ol().participant.rec.Oppen = 0;
    storage::PutRec(Ol().participantFile, 3, &Ol().participant.rec);
    const std::string drawn = Exported(&Participants, "utan.ol");
    EXPECT_TRUE(drawn.ends_with("*Maxdag=01\r\n")) << drawn;
}

TEST_F(ParticipantExport, OpenClassesWriteTheDirectEntriesOfOneStage) {
    AddTheField();
    Ol().competition.rec.MellanTid = 3;
    EXPECT_EQ(Exported(&OpenClasses, "direkt.ol"),
              First() + Crlf({";Vårträffen 2024-03-04 13:05:09",
                              "; Öppna och direktklasser, endast direktmodulen",
                              "; brumlekvarn, ansgar prill", "*DirektNamn",
                              "OK Linné,DIR1,Bo Berg,!,,601,,0002"}));
    EXPECT_EQ(Ol().competition.rec.MellanTid, 0);
    EXPECT_EQ(Ol().competition.rec.DagStr, 1);
}

TEST_F(ParticipantExport, LongLinesAreCutAndAGoneClassIsNoClass) {
    Ol().competition.rec.Days = 0;
    Ol().competition.rec.gemen.value = 0;
    club = AddClubNamed("LÅNGA NAMNETS ORIENTERINGSKLUB", 8);
    SetClass(h21, [](KlassRec& k) { k.StrNr = 9; });  // damaged: five stages at most
    AddRunner(1, h21, "", [](DeltRec& p) {
        p.Bricka = "1234567";
        for (int l = 0; l < 5; ++l) {
            p.Namn[l] = std::string(32, 'N');
            p.StTid[l] = 60;
            p.DagBana[l] = "ABC";
        }
    });
    AddRunner(2, 99, "GONE", [](DeltRec&) {});
    const std::string file = Exported(&Participants, "lang.ol");
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find("\r\n", at);
        lines.push_back(file.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 7u);
    const std::string clubName = Windows1252FromUtf8("LÅNGA NAMNETS ORIENTERINGSKLUB");
    std::string longLine = clubName + ",H21,1234567";
    for (int l = 0; l < 5; ++l) {
        longLine += "," + std::string(32, 'N');
    }
    longLine += ",541,001,001,001,001,,,,,,0001,ABC,ABC,ABC,ABC,ABC";
    ASSERT_GT(longLine.size(), 255u);
    EXPECT_EQ(lines[4], longLine.substr(0, 255));
    EXPECT_EQ(lines[5], clubName + ",,,GONE,,,0002,");
}

TEST_F(Export, AFullDiskIsReportedAndTheFileKept) {
    for (int i = 0; i < 200; ++i) {
        AddClub("KLUBB " + std::to_string(i));
    }
    dialogs.Choose("/dev/full");
    EXPECT_EQ(ExportClubs(0), ExportResult::failed);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().caption, "info");
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown.back().text).substr(0, 33),
              "Fel vid skrivning av \"/dev/full\" ");
    EXPECT_EQ(ExportClubs(0), ExportResult::notOpened);  // the dialog is cancelled
}

}  // namespace
}  // namespace oltoma::ol::testing
