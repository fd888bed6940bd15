// The IOF XML exports: their structure read back with libxml2 (root,
// namespace, version, the required elements in the schema's order), the
// schema itself when OLTOMA_IOF_XSD names it, and the round trip of the
// course data through the import.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "base/time/clock_text.h"
#include "bound_services.h"
#include "exchange_fixture.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/exchange/club_export.h"
#include "ol/exchange/iof/course_data_export.h"
#include "ol/exchange/participant_export.h"
#include "scripted_services.h"

namespace oltoma::ol::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Slurp(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A document read back; XPath expressions name the standard's namespace "i".
class Xml {
public:
    explicit Xml(const std::string& bytes)
        : doc_(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                             XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
               &xmlFreeDoc) {}

    bool WellFormed() const { return doc_ != nullptr; }

    // The content of each node selected (text of elements, values of
    // attributes).
    Lines Texts(const std::string& expression) const {
        Lines texts;
        Select(expression, [&](xmlNode* node) {
            xmlChar* text = xmlNodeGetContent(node);
            texts.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
            xmlFree(text);
        });
        return texts;
    }
    std::string Text(const std::string& expression) const {
        const Lines texts = Texts(expression);
        return texts.size() == 1 ? texts[0] : "(" + std::to_string(texts.size()) + " nodes)";
    }
    // The names of the elements selected, in document order.
    Lines Names(const std::string& expression) const {
        Lines names;
        Select(expression, [&](xmlNode* node) {
            names.emplace_back(reinterpret_cast<const char*>(node->name));
        });
        return names;
    }

private:
    template <typename Each>
    void Select(const std::string& expression, Each each) const {
        if (!doc_) {
            return;
        }
        std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
            xmlXPathNewContext(doc_.get()), &xmlXPathFreeContext);
        xmlXPathRegisterNs(context.get(), BAD_CAST "i",
                           BAD_CAST "http://www.orienteering.org/datastandard/3.0");
        std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
            xmlXPathEvalExpression(BAD_CAST expression.c_str(), context.get()),
            &xmlXPathFreeObject);
        if (result && result->nodesetval != nullptr) {
            for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
                each(result->nodesetval->nodeTab[i]);
            }
        }
    }

    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc_;
};

class IofExport : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        previousTime = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 13, 5, 9, 1}; });
    }
    void TearDown() override {
        SetLocalTimeSource(previousTime);
        ExchangeTest::TearDown();
    }

    // Runs the export with the save dialog answering `name` and the IOF XML
    // filter; returns the file's bytes.
    std::string Exported(const std::function<ExportResult()>& run, const std::string& name) {
        dialogs.answers.push_back({true, Here() + "/" + name, kIofXmlFilter});
        EXPECT_EQ(run(), ExportResult::written) << Message();
        return Slurp(name);
    }

    // The message's root as every export writes it, and the schema when one
    // is named.
    void ExpectMessage(const std::string& bytes, const std::string& name, const char* root) {
        EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) << bytes;
        const Xml xml(bytes);
        ASSERT_TRUE(xml.WellFormed()) << bytes;
        EXPECT_EQ(xml.Names("/i:*"), Lines{root});
        EXPECT_EQ(xml.Text("/i:*/@iofVersion"), "3.0");
        EXPECT_EQ(xml.Text("/i:*/@creator"), "oltoma 10.00");
        EXPECT_TRUE(std::regex_match(xml.Text("/i:*/@createTime"),
                                     std::regex("2024-03-04T13:05:09[+-][0-9]{2}:[0-9]{2}")));
        const char* schema = std::getenv("OLTOMA_IOF_XSD");
        if (schema != nullptr && *schema != '\0') {
            const std::string command = "xmllint --noout --nonet --schema '" + std::string(schema) +
                                        "' '" + name + "' 2>schema.log";
            EXPECT_EQ(std::system(command.c_str()), 0) << Slurp("schema.log");
        }
    }

    void AddControlAt(const std::string& code, std::int32_t x, std::int32_t y,
                      const std::string& cell = {}) {
        RunWithDefinitionFiles([&] {
            ClearControl();
            Ol().control.rec.KodNr = code;
            Ol().control.rec.posX = x;
            Ol().control.rec.posY = y;
            Ol().control.rec.R[0] = cell;
            std::int32_t rc = 0;
            ASSERT_TRUE(SaveControl(true, rc)) << Message();
        });
    }
    void AddCourse(const std::string& name, std::int32_t length, std::int16_t climb,
                   const Lines& codes) {
        RunWithDefinitionFiles([&] {
            ClearCourse();
            TrackRec& course = Ol().course.rec;
            course.Bana = name;
            course.BanSize[Ol().competition.rec.MellanTid] = length;
            course.Rise = climb;
            for (const std::string& code : codes) {
                course.KodNr[course.Antal++] = code;
            }
            std::int32_t rc = 0;
            ASSERT_TRUE(SaveCourse(true, rc)) << Message();
        });
    }
    void SetClassCourse(std::int32_t klass, int race, const std::string& course) {
        std::int32_t rc = klass;
        bool notFound = true;
        bool ok = false;
        ASSERT_TRUE(FindClass(FindMode::kByNumber, {}, rc, notFound, ok));
        Ol().klass.rec.Bana[race - 1] = course;
        ASSERT_TRUE(RewriteClass(rc));
    }

    // Controls, courses and class courses of the current competition, as
    // the round trip keeps them.
    using Registers =
        std::tuple<std::vector<std::tuple<std::string, std::int32_t, std::int32_t>>,
                   std::vector<std::tuple<std::string, std::int32_t, int, Lines>>, Lines>;
    Registers Read(int race) {
        Registers registers;
        RunWithDefinitionFiles([&] {
            std::int32_t rc = 0;
            bool notFound = true;
            bool ok = false;
            FindControl(FindMode::kReset, {}, rc, notFound, ok);
            while (FindControl(FindMode::kNext, {}, rc, notFound, ok) || ok) {
                if (!ok) {
                    break;
                }
                const KontrRec& c = Ol().control.rec;
                std::get<0>(registers).emplace_back(c.KodNr.str(), c.posX, c.posY);
            }
            FindCourse(FindMode::kReset, {}, rc, notFound, ok);
            while (FindCourse(FindMode::kNext, {}, rc, notFound, ok) || ok) {
                if (!ok) {
                    break;
                }
                const TrackRec& c = Ol().course.rec;
                std::get<1>(registers).emplace_back(c.Bana.str(),
                                                    CourseLength(c, Ol().competition.rec.MellanTid),
                                                    c.Rise, Codes(c));
            }
            FindClass(FindMode::kReset, {}, rc, notFound, ok);
            while (FindClass(FindMode::kNext, {}, rc, notFound, ok) || ok) {
                if (!ok) {
                    break;
                }
                std::get<2>(registers).push_back(Ol().klass.rec.Bet.str() + "=" +
                                                 Ol().klass.rec.Bana[race - 1].str());
            }
        });
        return registers;
    }

    oltoma::testing::ScriptedFileDialogs dialogs;
    oltoma::testing::BoundServices bound{{.fileDialogs = &dialogs}};
    LocalTimeSource previousTime;
};

TEST_F(IofExport, ClubsAsAnOrganisationList) {
    ClubRec& club = Ol().club.rec;
    AddClub("OK LINNÉ");
    std::int32_t rc = AddClub("IFK GÖTEBORG & CO\x01");
    club.Cnr = 12;
    club.Kort = "IFK";
    storage::DeleteKey(Ol().clubFile, 1, rc, ClubKey(club.Namn));
    ASSERT_TRUE(SaveClub(false, rc));
    ASSERT_NE(NewCompetition("Vårträffen"), 0);  // its gemen shows names in mixed case

    const std::string bytes = Exported([] { return ExportClubs(0); }, "klubbar.xml");
    ExpectMessage(bytes, "klubbar.xml", "OrganisationList");
    const Xml xml(bytes);
    EXPECT_EQ(xml.Texts("//i:Organisation/@type"), (Lines{"Club", "Club"}));
    EXPECT_EQ(xml.Names("//i:Organisation[1]/*"), (Lines{"Id", "Name", "ShortName"}));
    EXPECT_EQ(xml.Texts("//i:Organisation/i:Name"), (Lines{"IFK Göteborg & Co", "OK Linné"}));
    EXPECT_EQ(xml.Text("//i:Organisation[1]/i:Id"), "12");
    EXPECT_EQ(xml.Names("//i:Organisation[2]/*"), Lines{"Name"});  // no number, no short name
    // The dialog offered the exchange files first and IOF XML second.
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].request.filter.ends_with("*.ol|IOF XML 3.0|*.xml"))
        << dialogs.asked[0].request.filter;
    EXPECT_EQ(dialogs.asked[0].request.defaultExtension, "ol");
}

TEST_F(IofExport, ParticipantsAsAnEntryList) {
    ASSERT_NE(NewCompetition(""), 0);
    std::int32_t club = AddClub("TÄBY OK");
    Ol().club.rec.Cnr = 7;
    storage::DeleteKey(Ol().clubFile, 1, club, ClubKey(Ol().club.rec.Namn));
    ASSERT_TRUE(SaveClub(false, club));
    const std::int32_t klass = AddClass("H21");
    const std::int32_t anna = AddParticipant(1, club, klass, "ANNA MARIA SVENSSON");
    Ol().participant.rec.Bricka = "123456";
    storage::PutRec(Ol().participantFile, anna, &Ol().participant.rec);
    AddParticipant(2, 999, 999, "ENSAM");

    const std::string bytes = Exported([] { return ExportParticipants(0, false); }, "anm.xml");
    ExpectMessage(bytes, "anm.xml", "EntryList");
    const Xml xml(bytes);
    EXPECT_EQ(xml.Names("/i:EntryList/*"), (Lines{"Event", "PersonEntry", "PersonEntry"}));
    EXPECT_EQ(xml.Text("/i:EntryList/i:Event/i:Name"), "oltoma");  // Tvl is empty
    EXPECT_EQ(xml.Names("//i:PersonEntry[1]/*"),
              (Lines{"Id", "Person", "Organisation", "ControlCard", "Class"}));
    EXPECT_EQ(xml.Text("//i:PersonEntry[1]/i:Person/i:Name/i:Family"), "Svensson");
    EXPECT_EQ(xml.Text("//i:PersonEntry[1]/i:Person/i:Name/i:Given"), "Anna Maria");
    EXPECT_EQ(xml.Texts("//i:PersonEntry[1]/i:Organisation/*"), (Lines{"7", "Täby OK"}));
    EXPECT_EQ(xml.Text("//i:PersonEntry[1]/i:ControlCard"), "123456");
    EXPECT_EQ(xml.Text("//i:PersonEntry[1]/i:Class/i:Name"), "H21");
    // Club and class not found, no card: only what is known.
    EXPECT_EQ(xml.Names("//i:PersonEntry[2]/*"), (Lines{"Id", "Person"}));
    EXPECT_EQ(xml.Texts("//i:PersonEntry[2]/i:Person/i:Name/*"), (Lines{"Ensam", ""}));
}

TEST_F(IofExport, ARelayIsRefusedBeforeAnyFileIsMade) {
    ASSERT_NE(NewCompetition("Stafetten"), 0);
    Ol().competition.rec.Relay = 1;
    dialogs.answers.push_back({true, Here() + "/lag.xml", kIofXmlFilter});
    EXPECT_EQ(ExportParticipants(0, false), ExportResult::refused);
    EXPECT_FALSE(std::filesystem::exists("lag.xml"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    // The open classes export offers no IOF XML.
    dialogs.answers.push_back({true, Here() + "/oppna.ol", {}});
    EXPECT_EQ(ExportParticipants(0, true), ExportResult::written);
    EXPECT_EQ(dialogs.asked.back().request.filter.find("IOF"), std::string::npos);
}

TEST_F(IofExport, CoursesAsCourseDataThatImportsBackUnchanged) {
    ASSERT_NE(NewCompetition("Vårsprinten"), 0);
    Ol().competition.rec.StrNr = 2;
    Ol().competition.rec.DagStr = 2;
    AddControlAt(" 31", 124, -75, "KULLE");
    AddControlAt(" 32", 0, 0);
    AddControlAt("M1", -5, 3);
    AddCourse("1", 2450, 35, {" 31", " 99", "M1"});  // 99 is not in the register
    AddCourse("LÅNG BANA", 0, 0, {});
    const std::int32_t men = AddClass("H21");
    AddClass("D21");
    SetClassCourse(men, 2, "1");  // D21 keeps "B", no course

    const std::string bytes = Exported([] { return ExportCourses(0); }, "banor.xml");
    ExpectMessage(bytes, "banor.xml", "CourseData");
    EXPECT_EQ(dialogs.asked.back().request.filter, "IOF XML 3.0|*.xml");
    EXPECT_EQ(dialogs.asked.back().request.defaultExtension, "xml");
    const Xml xml(bytes);
    EXPECT_EQ(xml.Names("/i:CourseData/*"), (Lines{"Event", "RaceCourseData"}));
    EXPECT_EQ(xml.Text("//i:RaceCourseData/@raceNumber"), "2");
    EXPECT_EQ(xml.Names("//i:RaceCourseData/*"),
              (Lines{"Control", "Control", "Control", "Control", "Control", "Course", "Course",
                     "ClassCourseAssignment"}));
    EXPECT_EQ(xml.Texts("//i:RaceCourseData/i:Control/i:Id"),
              (Lines{"STA1", "31", "32", "M1", "FIN1"}));
    EXPECT_EQ(xml.Texts("//i:RaceCourseData/i:Control/@type"), (Lines{"Start", "Finish"}));
    EXPECT_EQ(xml.Texts("//i:Control[i:Id='31']/i:MapPosition/@*"), (Lines{"12.4", "-7.5", "mm"}));
    EXPECT_EQ(xml.Names("//i:Control[i:Id='32']/*"), Lines{"Id"});
    EXPECT_EQ(xml.Names("//i:Course[1]/*"),
              (Lines{"Name", "Length", "Climb", "CourseControl", "CourseControl", "CourseControl",
                     "CourseControl", "CourseControl"}));
    EXPECT_EQ(xml.Texts("//i:Course[1]/i:CourseControl/i:Control"),
              (Lines{"STA1", "31", "99", "M1", "FIN1"}));
    EXPECT_EQ(xml.Names("//i:Course[2]/*"), (Lines{"Name", "CourseControl", "CourseControl"}));
    EXPECT_EQ(xml.Texts("//i:ClassCourseAssignment/*"), (Lines{"H21", "1"}));

    const Registers exported = Read(2);
    ASSERT_EQ(std::get<0>(exported).size(), 3u);
    ASSERT_EQ(std::get<1>(exported).size(), 2u);
    ASSERT_NE(NewCompetition("Kopian"), 0);
    Ol().competition.rec.StrNr = 2;
    Ol().competition.rec.DagStr = 2;
    AddClass("H21");
    AddClass("D21");
    ImportFiles({"banor.xml"});
    EXPECT_EQ(Body(LogLines()), (Lines{"importerar \"CourseData\" \"Vårsprinten\"",
                                       "     Odefinierad kodsiffra (kontrollpunkt)!  99"}));
    EXPECT_EQ(Read(2), exported);
    EXPECT_FALSE(Control(" 31")->R[0] == "KULLE");  // cells are not carried

    // Imported again it changes no byte.
    CloseParticipantFiles();
    OpenParticipantFiles();
    const auto files = FolderContents();
    ImportFiles({"banor.xml"});
    CloseParticipantFiles();
    EXPECT_EQ(FolderContents(), files);
}

TEST_F(IofExport, AFailedWriteIsReported) {
    dialogs.answers.push_back({true, "/dev/full", kIofXmlFilter});
    EXPECT_EQ(ExportClubs(0), ExportResult::failed);
    EXPECT_TRUE(Message().starts_with("Fel vid skrivning av \"/dev/full\" ")) << Message();
}

}  // namespace
}  // namespace oltoma::ol::testing
