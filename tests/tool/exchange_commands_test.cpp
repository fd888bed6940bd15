// oltoma-tool import and export, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/settings/program_version.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "tool_test_support.h"

namespace oltoma::tool {
namespace {

void Write(const std::string& name, const std::string& utf8) {
    std::ofstream(name, std::ios::binary) << Windows1252FromUtf8(utf8);
}

// A data directory "data" with competition 1 and one club, made through the
// data layer and closed again.
class ExchangeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartDataDirectory());
        ASSERT_NO_FATAL_FAILURE(AddClubAndCompetition());
        ol::CloseCommonFiles();
        ol::OlShutdown();
        Write("banor.txt", "*Banor\r\nA,4500,120,31,32\r\n");
        Write("kontroller.txt", "*Kontroller\r\n31\r\n32\r\n");
    }

    static std::string Here() { return std::filesystem::current_path().string(); }
};

TEST_F(ExchangeCommands, ImportPrintsTheLogInTheChoosersOrder) {
    const ToolRun run = Tool("import data 1 banor.txt kontroller.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "LOGGLISTA IMPORT\n\n"
              "============================\n"
              "importerar \"" +
                  Here() +
                  "/kontroller.txt\"\n\n"
                  "importerar \"*Kontroller\"\n"
                  "Adderade:   2 Modifierade:   0 Rader:   3\n\n"
                  "============================\n"
                  "importerar \"" +
                  Here() +
                  "/banor.txt\"\n\n"
                  "importerar \"*Banor\"\n"
                  "Adderade:   1 Modifierade:   0 Rader:   2\n\n"
                  "IMPORT KLAR!\n");
    EXPECT_NE(run.err.find("IxportFile " + Here() + "/banor.txt öppen..\n"), std::string::npos)
        << run.err;

    // No competition chosen: the control section is refused as the program
    // refuses it, and the command still ran.
    const ToolRun none = Tool("import data 0 kontroller.txt");
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.out.find("importerar \"*Kontroller\"\nAdderade:   0"), std::string::npos);
    EXPECT_NE(none.err.find("Filerna inte öppna\n"), std::string::npos) << none.err;
}

TEST_F(ExchangeCommands, ImportRefusesWhatTheChooserRefusesAndWhatCannotBeRead) {
    Write("r1.txt", "*Resultat\r\n");
    Write("r2.txt", "*Resultat\r\n");
    const std::string controls = Slurp("data/KONTR01.DAT");
    ToolRun run = Tool("import data 1 kontroller.txt r1.txt r2.txt");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "endast en förekomst tillåten: r2.txt\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Slurp("data/KONTR01.DAT"), controls);

    std::filesystem::create_directory("mapp");
    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {"import data 1 kontroller.txt saknas.txt", 1},
        {"import data 1 mapp", 1},
        {"import saknas 1 kontroller.txt", 1},
        {"import data 2 kontroller.txt", 1},
        {"import data 1", 2},
        {"import data 9 kontroller.txt", 2},
        {"import data x kontroller.txt", 2},
    };
    for (const auto& c : cases) {
        run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    EXPECT_EQ(Slurp("data/KONTR01.DAT"), controls);
}

TEST_F(ExchangeCommands, ExportWritesTheFileTheMenuCommandWrites) {
    ToolRun run = Tool("export data 0 clubs klubbar.ol");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string clubs = Slurp("klubbar.ol");
    EXPECT_TRUE(clubs.starts_with("; " + MainWindowCaption() + "\r\n; brumlekvarn, ansgar prill, "))
        << clubs;
    EXPECT_TRUE(
        clubs.ends_with("\r\n*Klubbar\r\nAlfa OK,00000,00,0,0,01,0,,,\r\n,,,\r\n,,,\r\n"
                        ",,,\r\n,,,\r\n"))
        << clubs;

    run = Tool("export data 1 participants deltagare.txt --open");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Slurp("deltagare.txt").find("\r\n*DirektNamn\r\n"), std::string::npos);
    run = Tool("export data 1 participants deltagare.htm");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Slurp("deltagare.htm").starts_with(";Test "));  // no first line for .htm

    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {"export data 0 clubs /dev/full", 1},
        {"export data 0 clubs saknas/klubbar.ol", 1},
        {"export data 2 clubs klubbar.ol", 1},
        {"export data 0 clubs klubbar.ol --open", 2},
        {"export data 0 clubs klubbar.ol --yes", 2},
        {"export data 0 teams klubbar.ol", 2},
        {"export data 0 clubs", 2},
        {"export data 9 clubs klubbar.ol", 2},
    };
    for (const auto& c : cases) {
        run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    run = Tool("export data 0 clubs /dev/full");
    EXPECT_NE(run.err.find("info: Fel vid skrivning av \"/dev/full\" "), std::string::npos)
        << run.err;
}

TEST_F(ExchangeCommands, CourseDataImportsInTheChoosersOrderAndExportsWithXml) {
    std::ofstream("banor.xml", std::ios::binary) <<  // UTF-8, as the document says
        ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<CourseData xmlns=\"http://www.orienteering.org/datastandard/3.0\" "
         "iofVersion=\"3.0\">\n"
         "<Event><Name>Vårsprinten</Name></Event>\n<RaceCourseData>\n"
         "<Control><Id>33</Id><MapPosition x=\"1.5\" y=\"-2\"/></Control>\n"
         "<Course><Name>B</Name><Length>1800</Length>\n"
         "<CourseControl type=\"Start\"><Control>S1</Control></CourseControl>\n"
         "<CourseControl><Control>33</Control></CourseControl>\n"
         "<CourseControl><Control>31</Control></CourseControl>\n"
         "<CourseControl type=\"Finish\"><Control>F1</Control></CourseControl>\n"
         "</Course>\n</RaceCourseData>\n</CourseData>\n");
    // Named last, the course data comes after the control file and before
    // the course file.
    ToolRun run = Tool("import data 1 banor.txt kontroller.txt banor.xml");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::size_t controls = run.out.find("/kontroller.txt\"");
    const std::size_t document = run.out.find(
        "/banor.xml\"\n\nimporterar \"CourseData\" "
        "\"Vårsprinten\"\nAdderade:   2 Modifierade:   0 "
        "Rader:  13\n");
    const std::size_t courses = run.out.find("/banor.txt\"");
    EXPECT_LT(controls, document) << run.out;
    EXPECT_LT(document, courses) << run.out;

    run = Tool("export data 1 courses banor2.xml --xml");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string exported = Slurp("banor2.xml");
    EXPECT_TRUE(exported.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CourseData"));
    EXPECT_NE(exported.find("<MapPosition x=\"1.5\" y=\"-2.0\" unit=\"mm\"/>"), std::string::npos)
        << exported;
    // The export imported again changes nothing but adds nothing either.
    run = Tool("import data 1 banor2.xml");
    EXPECT_NE(run.out.find("Adderade:   0 Modifierade:   5"), std::string::npos) << run.out;

    run = Tool("export data 0 clubs klubbar.xml --xml");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Slurp("klubbar.xml").find("<Name>Alfa OK</Name>"), std::string::npos);
    run = Tool("export data 1 participants anm.xml --xml");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Slurp("anm.xml").find("<EntryList"), std::string::npos);

    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {"export data 0 courses banor3.xml --xml", 1},  // no competition, no courses
        {"export data 1 courses /dev/full --xml", 1},
        {"export data 1 courses banor3.xml", 2},
        {"export data 1 participants anm.xml --xml --open", 2},
    };
    for (const auto& c : cases) {
        run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists("banor3.xml"));
}

}  // namespace
}  // namespace oltoma::tool
