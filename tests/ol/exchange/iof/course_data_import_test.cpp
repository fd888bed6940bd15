// CourseData documents imported as "&importera" imports them: the registers
// and the log lines of a course-setting program's file, the documents
// refused, and the chooser's place for them among the sectioned files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "exchange_fixture.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/cmp_club_rec.h"

namespace oltoma::ol::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Fixture(const std::string& name) {
    std::ifstream file(std::string(OLTOMA_IOF_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A CourseData document (UTF-8) of one race around `race`.
std::string Document(const std::string& race) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<CourseData xmlns=\"http://www.orienteering.org/datastandard/3.0\" "
           "iofVersion=\"3.0\">\n<Event><Name>Test</Name></Event>\n<RaceCourseData>\n" +
           race + "</RaceCourseData>\n</CourseData>\n";
}

std::string CourseElement(const std::string& name, const std::vector<std::string>& controls) {
    std::string course = "<Course><Name>" + name + "</Name>";
    for (const std::string& control : controls) {
        course += "<CourseControl><Control>" + control + "</Control></CourseControl>";
    }
    return course + "</Course>\n";
}

class CourseDataImport : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        ASSERT_NE(NewCompetition("Vårsprinten"), 0);
        AddClass("H21");
        AddClass("D21");
    }

    // Imports the bytes as one chosen file; returns the log.
    Lines ImportBytes(const std::string& bytes, const std::string& name = "banor.xml") {
        std::ofstream(name, std::ios::binary) << bytes;
        LogLines().clear();
        ImportFiles({name});
        return LogLines();
    }

    std::optional<KlassRec> Class(const std::string& designation) {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        if (!FindClass(FindMode::kByKey, designation, rc, notFound, ok)) {
            return std::nullopt;
        }
        return Ol().klass.rec;
    }

    std::string Heading(const std::string& name) const {
        return "importerar \"" + Here() + "/" + name + "\"";
    }
};

TEST_F(CourseDataImport, ACourseSettersFileGivesItsControlsCoursesAndClassCourses) {
    const std::string file = Fixture("course_setter_style.xml");
    const Lines log = ImportBytes(file);
    const std::string lines = std::to_string(std::count(file.begin(), file.end(), '\n'));
    EXPECT_EQ(log, (Lines{
                       "LOGGLISTA IMPORT",
                       "",
                       "============================",
                       Heading("banor.xml"),
                       "",
                       "importerar \"CourseData\" \"Vårsprinten\"",
                       "     RaceCourseData 2 hoppades över.",
                       "     Positioner i bildpunkter (px) lagras inte.",
                       "     Banan \"1\": 1 passager utan stämpling hoppade över.",
                       "Adderade:   7 Modifierade:   2 Rader: " + lines,
                       "",
                       "IMPORT KLAR!",
                   }));
    // Start, finish and the crossing point are no controls of the register.
    EXPECT_EQ(UsedRecords(&Controls), 4);
    const struct {
        const char* code;
        std::int32_t x, y;
    } positions[] = {{" 31", 124, -75}, {" 32", 0, 0}, {" 45", 451, -1}, {"100", 0, 0}};
    for (const auto& p : positions) {
        const auto control = Control(p.code);
        ASSERT_TRUE(control) << p.code;
        EXPECT_EQ(control->posX, p.x) << p.code;
        EXPECT_EQ(control->posY, p.y) << p.code;
    }
    const auto first = Course("1");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->BanSize[0], 2450);
    EXPECT_EQ(first->Rise, 36);
    EXPECT_EQ(Codes(*first), (Lines{" 31", " 45", "100"}));
    const auto forked = Course("2A");
    ASSERT_TRUE(forked);
    EXPECT_EQ(forked->BanSize[0], 3101);  // 3100.5 rounded away from zero
    EXPECT_EQ(forked->Rise, 0);
    EXPECT_EQ(Codes(*forked), (Lines{" 32", " 31"}));
    EXPECT_TRUE(Course("2B"));
    // The forked class keeps its first course; the courses count their uses.
    EXPECT_EQ(Class("H21")->Bana[0], "2A");
    EXPECT_EQ(Class("D21")->Bana[0], "1");
    EXPECT_EQ(Class("D21")->Bana[1], "B");
    Control(" 31");
    EXPECT_EQ(ControlUseOf(Ol().clubTable, controlRc), 3);
}

TEST_F(CourseDataImport, TheCompetitionsStageChoosesTheRace) {
    Ol().competition.rec.StrNr = 2;
    Ol().competition.rec.DagStr = 2;
    const Lines log = ImportBytes(Fixture("course_setter_style.xml"));
    EXPECT_EQ(Body(log), (Lines{"importerar \"CourseData\" \"Vårsprinten\"",
                                "     RaceCourseData 1 hoppades över."}));
    const auto control = Control(" 33");
    ASSERT_TRUE(control);
    EXPECT_EQ(control->posX, -30);
    EXPECT_EQ(control->posY, 88);
    EXPECT_EQ(Codes(*Course("1")), (Lines{" 33"}));  // S2 and F2 have no Control element
    EXPECT_EQ(Class("D21")->Bana[1], "1");
    EXPECT_EQ(Class("D21")->Bana[0], "A");
    EXPECT_EQ(UsedRecords(&Controls), 1);
}

TEST_F(CourseDataImport, RecordsTheRegistersCannotHoldAreLeftOutWithALine) {
    AddClass("D21 ELIT");  // what the cut key of "D21 Elit lång" would find
    const struct {
        const char* what;
        std::string race;
        Lines lines;
        int controls;  // added
        int courses;
    } cases[] = {
        {"an id of 4 characters",
         "<Control><Id>1001</Id></Control>\n<Control><Id></Id></Control>\n" +
             CourseElement("A", {"1001"}),
         {"     Kontrollen \"1001\" kan ej lagras (högst 3 tecken).",
          "     Kontrollen \"\" kan ej lagras (högst 3 tecken).",
          "     Banan \"A\" lagras inte: kontrollen \"1001\" kan ej lagras."},
         0,
         0},
        {"names cut alike",
         CourseElement("Långa banan 1", {}) + CourseElement("långa banan 2", {}),
         {"     Banan \"långa banan 2\" finns redan i filen."},
         0,
         1},
        {"passages without a punch",
         "<Course><Name>B</Name>"
         "<CourseControl type=\"Start\"><Control>S1</Control></CourseControl>"
         "<CourseControl type=\"EndOfMarkedRoute\"><Control>M</Control></CourseControl>"
         "<CourseControl type=\"Finish\"><Control>F1</Control></CourseControl>"
         "<CourseControl type=\"Start\"><Control>S1</Control></CourseControl>"
         "<CourseControl type=\"Finish\"><Control>F1</Control></CourseControl>"
         "</Course>\n",
         {"     Banan \"B\": 3 passager utan stämpling hoppade över."},
         0,
         1},
        {"class courses",
         "<ClassCourseAssignment><ClassName>H21</ClassName><AllowedOnLeg>1</AllowedOnLeg>"
         "</ClassCourseAssignment>\n"
         "<ClassCourseAssignment><ClassName>H21</ClassName><CourseName>Lång</CourseName>"
         "</ClassCourseAssignment>\n"
         "<ClassCourseAssignment><ClassName>H21</ClassName><CourseName>1</CourseName>"
         "</ClassCourseAssignment>\n"
         "<ClassCourseAssignment><ClassName>Ö10</ClassName><CourseName>1</CourseName>"
         "</ClassCourseAssignment>\n"
         "<ClassCourseAssignment><ClassName>D21 Elit lång</ClassName><CourseName>1</CourseName>"
         "</ClassCourseAssignment>\n",
         {"     Klassen \"H21\": tilldelning utan bannamn hoppades över.",
          "     Klassen \"H21\": banan \"Lång\" har mer än 3 tecken.",
          "     Klassen \"Ö10\" finns inte.", "     Klassen \"D21 Elit lång\" finns inte."},
         0,
         0},
    };
    for (const auto& c : cases) {
        const int controls = UsedRecords(&Controls);
        const int courses = UsedRecords(&Courses);
        const Lines log = ImportBytes(Document(c.race));
        Lines expected{"importerar \"CourseData\" \"Test\""};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(Body(log), expected) << c.what;
        EXPECT_EQ(UsedRecords(&Controls) - controls, c.controls) << c.what;
        EXPECT_EQ(UsedRecords(&Courses) - courses, c.courses) << c.what;
    }
    EXPECT_EQ(Class("H21")->Bana[0], "A");  // its first assignment had no usable course
    EXPECT_EQ(Class("D21 ELIT")->Bana[0], "A");
}

TEST_F(CourseDataImport, BadDocumentsStoreNothingAndSayWhy) {
    const struct {
        const char* what;
        std::string bytes;
        std::string line;
    } cases[] = {
        {"not well-formed", Document("<Control><Id>31</Id>\n"),
         "     Ogiltig XML, rad 6: Opening and ending tag mismatch: Control line 5 and "
         "RaceCourseData"},
        {"IOF 2.0.3",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
         "<!DOCTYPE CourseData SYSTEM \"IOFdata.dtd\">\n"
         "<CourseData><IOFVersion version=\"2.0.3\"/></CourseData>\n",
         "     Ogiltig XML, rad 2: dokumenttypdeklaration (DOCTYPE) tillåts inte."},
        {"another message",
         "<EntryList xmlns=\"http://www.orienteering.org/datastandard/3.0\" "
         "iofVersion=\"3.0\"><Control><Id>31</Id></Control></EntryList>",
         "     Inte IOF XML 3.0 CourseData."},
    };
    for (const auto& c : cases) {
        const Lines log = ImportBytes(c.bytes);
        EXPECT_EQ(Body(log), Lines{c.line}) << c.what;
        EXPECT_EQ(CountsLine(log).substr(0, 34), "Adderade:   0 Modifierade:   0 Rad") << c.what;
        EXPECT_EQ(UsedRecords(&Controls), 0) << c.what;
    }
}

TEST_F(CourseDataImport, AvbrytEndsTheStoreAfterTheRecordAtHand) {
    progress.cancelAtEventRound = 1;
    const Lines log = ImportBytes(Fixture("course_setter_style.xml"));
    const Lines aborted = {"", "<< avbrutet >>", "", "Adderade:   1 Modifierade:   0 Rader: 107"};
    EXPECT_NE(std::search(log.begin(), log.end(), aborted.begin(), aborted.end()), log.end())
        << ::testing::PrintToString(log);
    EXPECT_EQ(log.back(), "IMPORT KLAR!");
    EXPECT_EQ(UsedRecords(&Controls), 1);
    EXPECT_EQ(UsedRecords(&Courses), 0);
}

TEST_F(CourseDataImport, AControlFoundKeepsItsCellsAndAPositionTheFileDoesNotGive) {
    ImportText("*Kontroller\n31,KULLE,,,,,,,,50,60\n32,STEN,,,,,,,,70,80\n");
    ImportBytes(
        Document("<Control><Id>31</Id><MapPosition x=\"1\" y=\"2\"/></Control>\n"
                 "<Control><Id>32</Id><MapPosition x=\"1\" y=\"2\" unit=\"px\"/>"
                 "</Control>\n"));
    const auto moved = Control(" 31");
    EXPECT_EQ(moved->R[0], "KULLE");
    EXPECT_EQ(moved->posX, 10);
    EXPECT_EQ(moved->posY, 20);
    const auto kept = Control(" 32");
    EXPECT_EQ(kept->R[0], "STEN");
    EXPECT_EQ(kept->posX, 70);
    EXPECT_EQ(kept->posY, 80);
}

TEST_F(CourseDataImport, TheChooserListsCourseDataWithTheControlFiles) {
    std::ofstream("a-banor.txt", std::ios::binary) << "*Banor\nA,100,0,31\n";
    std::ofstream("b-kontroller.txt", std::ios::binary) << "*Kontroller\n31\n";
    std::ofstream("c.xml", std::ios::binary) << "\xEF\xBB\xBF\n  " << Document("");
    std::ofstream("d.xml", std::ios::binary)
        << "<?xml version=\"1.0\"?><!-- x --><iof:EntryList xmlns:iof=\"urn:x\"/>";
    FileChoiceList list(kImportOnceOnlyCodes);
    for (const char* name : {"d.xml", "a-banor.txt", "c.xml", "b-kontroller.txt"}) {
        list.Add(DescribeFile(Here(), name, kImportKeywordList));
    }
    Lines texts;
    for (const FileChoiceEntry& entry : list.entries()) {
        texts.push_back(entry.text);
    }
    EXPECT_EQ(texts, (Lines{"07 *Kontroller. b-kontroller.txt", "07 <CourseData> c.xml",
                            "08 *Banor...... a-banor.txt", "99 ingen importfil, ta bort d.xml"}));
    // Another XML message still reaches the XML import, which says what it is.
    LogLines().clear();
    ImportFiles({"d.xml"});
    EXPECT_EQ(Body(LogLines()), Lines{"     Inte IOF XML 3.0 CourseData."});
}

}  // namespace
}  // namespace oltoma::ol::testing
