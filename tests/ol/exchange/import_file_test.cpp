#include "ol/exchange/import_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/time/stopwatch.h"
#include "exchange_fixture.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/cmp_club_rec.h"
#include "storage/fault_injection.h"

namespace oltoma::ol::testing {
namespace {

using Lines = std::vector<std::string>;

class Import : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        ASSERT_NE(NewCompetition("Vårträffen"), 0);
        AddSymbol24("KULLE");
    }
};

TEST_F(Import, ControlsWithTheirLogAndCounts) {
    const Lines log = ImportText(
        "; från banläggaren\n"
        "*Kontroller\n"
        "31,31,,,,,,,\n"
        "32,,KULLE,XYZ,1/2,12.5,10_20,.5,A1,10,20\n");
    const std::string path = "\"" + Here() + "/import.txt\"";
    EXPECT_EQ(log, (Lines{
                       "LOGGLISTA IMPORT",
                       "",
                       "============================",
                       "importerar " + path,
                       "",
                       "; från banläggaren",
                       "importerar \"*Kontroller\"",
                       "     KodNr: \" 32\",\"XYZ\" Ruta:C ... ej funnen",
                       "     KodNr: \" 32\",\"A1\" Ruta:H ... ej funnen",
                       "Adderade:   2 Modifierade:   0 Rader:   4",
                       "",
                       "IMPORT KLAR!",
                   }));
    const auto first = Control(" 31");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->R[0], "31");
    const auto second = Control(" 32");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->R[1], "KULLE");
    EXPECT_EQ(second->R[2], "XYZ");  // kept all the same
    EXPECT_EQ(second->posX, 10);
    EXPECT_EQ(second->posY, 20);
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"importlogg"}));
    // The definition files a section opened are closed again.
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_FALSE(Ol().DefinitionFilesOpen);
}

TEST_F(Import, HeadersAreFoundWhereverTheyAreWritten) {
    const struct {
        std::string bytes;
        const char* control;
    } cases[] = {
        {"40,A\n*Kontroller\n41\n", " 41"},  // lines before the first header dropped
        {"*kontroller\n42\n", " 42"},        // lower case
        {Windows1252FromUtf8("*Kontroller från banläggaren\n43\n"), " 43"},
        {"\xEF\xBB\xBF*Kontroller\r\n44\r\n", " 44"},  // UTF-8 byte-order mark
        {"*Kontroller\r45\r", " 45"},
    };
    for (const auto& c : cases) {
        std::ofstream("raw.txt", std::ios::binary) << c.bytes;
        ImportFiles({"raw.txt"});
        EXPECT_TRUE(Control(c.control)) << c.bytes;
    }
    EXPECT_EQ(UsedRecords(&Controls), 5);
}

TEST_F(Import, CoursesCountTheControlsTheyAddOnce) {
    ImportText("*Kontroller\n31\n32\n33\n");
    const Lines log = ImportText(
        "*Banor\n"
        "a,4500,120,31,32,,33\n"
        "B,3000,80,31,99\n");
    EXPECT_EQ(Body(log),
              (Lines{"importerar \"*Banor\"", "     Odefinierad kodsiffra (kontrollpunkt)!  99"}));
    const auto a = Course("A");
    ASSERT_TRUE(a);
    EXPECT_EQ(Codes(*a), (std::vector<std::string>{" 31", " 32"}));
    EXPECT_EQ(a->BanSize[0], 4500);
    EXPECT_EQ(a->Rise, 120);
    EXPECT_EQ(Codes(*Course("B")), (std::vector<std::string>{" 31", " 99"}));
    Control(" 31");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, controlRc), 2);

    // Rewriting a course changes no counter, whatever its codes become.
    ImportText("*Banor\nA,4600,120,33\n");
    EXPECT_EQ(Codes(*Course("A")), (std::vector<std::string>{" 33"}));
    Control(" 31");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, controlRc), 2);
    Control(" 33");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, controlRc), 0);
}

TEST_F(Import, ACourseKeepsItsFirst35Controls) {
    std::string line = "LANG,1,1";
    for (int i = 1; i <= 36; ++i) {
        line += "," + std::to_string(100 + i);
    }
    const Lines log = ImportText("*Banor\n" + line + "\n");
    const auto course = Course("LANG");
    ASSERT_TRUE(course);
    EXPECT_EQ(course->Antal, 35);
    EXPECT_EQ(course->KodNr[34], "135");
    int messages = 0;
    for (const std::string& l : log) {
        messages += l == "     Max antal kontroller per bana uppnått kan ej addera! Bana \"LANG\"";
    }
    EXPECT_EQ(messages, 1);
}

TEST_F(Import, RecordsAreFoundAgainUnderTheKeyTheyAreStoredUnder) {
    const std::string file =
        "*Kontroller\n,A\n"
        "*Banor\nSTAFETTBANAN2024,1,1\n,2,2\n";
    EXPECT_EQ(CountsLine(ImportText(file)), "Adderade:   3 Modifierade:   0 Rader:   5");
    EXPECT_EQ(CountsLine(ImportText(file)), "Adderade:   0 Modifierade:   3 Rader:   5");
    EXPECT_EQ(UsedRecords(&Controls), 1);
    EXPECT_EQ(UsedRecords(&Courses), 2);
    EXPECT_TRUE(Control("XXX"));
    EXPECT_TRUE(Course("STAFETTBANAN"));
    EXPECT_TRUE(Course("XXX"));
}

TEST_F(Import, SymbolsKeepTheirPicturesAndReimportRewritesThem) {
    std::string file = "*RutB24\nHÖJD,1.9 Höjd,12\n";
    file += "300,-1,7\n";  // line 2: band 1, strip 1, columns 1..16
    for (int line = 3; line <= 27; ++line) {
        file += "1\n";
    }
    file += std::string(64, '9') + "\n";  // line 28: one value beyond 32 bits
    const Lines log = ImportText(file);
    EXPECT_EQ(CountsLine(log), "Adderade:   1 Modifierade:   0 Rader:  29");
    bool notFound = true;
    bool ok = false;
    std::int32_t rc = 0;
    ASSERT_TRUE(FindRoute24(FindMode::kByKey, Windows1252FromUtf8("HÖJD"), rc, notFound, ok))
        << Message();
    const Rutb24Rec symbol = Ol().route24.rec;
    EXPECT_EQ(Utf8FromWindows1252(symbol.Namn.view()), "HÖJD");
    EXPECT_EQ(Utf8FromWindows1252(symbol.Text.view()), "1.9 Höjd");
    EXPECT_EQ(symbol.Mark, 12);
    EXPECT_EQ(symbol.Rc, rc);
    EXPECT_EQ(symbol.Symbol[0][0][0], 44);
    EXPECT_EQ(symbol.Symbol[0][0][1], 255);
    EXPECT_EQ(symbol.Symbol[0][0][2], 7);
    EXPECT_EQ(symbol.Symbol[0][0][3], 0);     // a short line writes 0
    EXPECT_EQ(symbol.Symbol[0][1][0], 1);     // line 3: strip 2
    EXPECT_EQ(symbol.Symbol[0][0][16], 1);    // line 5: strip 1, columns 17..32
    EXPECT_EQ(symbol.Symbol[2][2][32], 255);  // line 28

    EXPECT_EQ(CountsLine(ImportText(file)), "Adderade:   0 Modifierade:   1 Rader:  29");
    EXPECT_TRUE(FindRoute24(FindMode::kByKey, Windows1252FromUtf8("HÖJD"), rc, notFound, ok));
    EXPECT_EQ(Ol().route24.rec.Symbol[0][0][0], 44);
    EXPECT_EQ(Ol().route24.rec.Mark, 12);

    // A symbol cut short by a header or the end is dropped.
    EXPECT_EQ(CountsLine(ImportText("*RutB24\nKORT,x,1\n1\n*RutB24\nSLUT,y,2\n1\n")),
              "Adderade:   0 Modifierade:   0 Rader:   6");
}

}  // namespace
}  // namespace oltoma::ol::testing
