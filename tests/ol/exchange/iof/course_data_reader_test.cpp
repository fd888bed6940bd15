// The CourseData reader on documents held in memory: what it keeps of a
// course-setting program's file, which race it reads, and the documents it
// refuses whole.
#include "ol/exchange/iof/course_data_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "base/files/exchange_line_reader.h"
#include "base/text/windows1252.h"
#include "ol/exchange/iof/xml_values.h"

namespace oltoma::ol::iof {
namespace {

std::string Fixture(const std::string& name) {
    std::ifstream file(std::string(OLTOMA_IOF_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A CourseData document around `races`.
std::string Document(const std::string& races, const std::string& root = "CourseData",
                     const std::string& space = kIofNamespace, const std::string& version = "3.0") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " xmlns=\"" + space +
           "\" iofVersion=\"" + version + "\">\n<Event><Name>Test</Name></Event>\n" + races + "</" +
           root + ">\n";
}

CourseDataReading Read(const std::string& bytes, long long wantedRace = 0) {
    return ReadCourseData(ReadFromMemory(bytes), wantedRace);
}

std::string Repeated(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(CourseDataReader, KeepsWhatTheImportUsesOfACourseSettersFile) {
    const CourseDataReading reading = Read(Fixture("course_setter_style.xml"));
    ASSERT_EQ(reading.status, ReadStatus::sound) << reading.detail;
    const CourseData& data = reading.data;
    EXPECT_EQ(data.eventName, Windows1252FromUtf8("Vårsprinten"));
    EXPECT_EQ(data.race.raceNumber, 1);
    EXPECT_EQ(data.skipped, (std::vector<long long>{2}));

    ASSERT_EQ(data.race.controls.size(), 7u);
    const Control& start = data.race.controls[0];
    EXPECT_EQ(start.id, "S1");
    EXPECT_EQ(start.type, ControlType::unset);  // typed by its course controls only
    const Control& halfway = data.race.controls[1];
    EXPECT_EQ(halfway.id, "31");  // blanks around it trimmed
    ASSERT_TRUE(halfway.position);
    EXPECT_EQ(halfway.position->xTenths, 123.5);  // exactly half-way, not 123.49999
    EXPECT_EQ(halfway.position->yTenths, -74.5);
    EXPECT_TRUE(halfway.position->millimetres);                 // the unit's default
    EXPECT_FALSE(data.race.controls[2].position->millimetres);  // px
    EXPECT_EQ(data.race.controls[4].type, ControlType::crossingPoint);
    EXPECT_FALSE(data.race.controls[5].position);  // Extensions only

    ASSERT_EQ(data.race.courses.size(), 3u);
    const Course& first = data.race.courses[0];
    EXPECT_EQ(first.name, "1");
    EXPECT_EQ(first.length, 2450.0);
    EXPECT_EQ(first.climb, 35.5);
    ASSERT_EQ(first.controls.size(), 6u);
    EXPECT_EQ(first.controls[0].type, ControlType::start);
    EXPECT_EQ(first.controls[1].control, "31");
    EXPECT_EQ(first.controls[1].type, ControlType::control);
    EXPECT_EQ(first.controls[2].type, ControlType::unset);
    EXPECT_FALSE(data.race.courses[1].climb);

    ASSERT_EQ(data.race.assignments.size(), 3u);
    EXPECT_EQ(data.race.assignments[1].className, "H21");
    EXPECT_EQ(data.race.assignments[1].courseName, "2b");
}

TEST(CourseDataReader, ReadsTheWantedRaceElseTheFirst) {
    const std::string races =
        "<RaceCourseData raceNumber=\"3\"><Course><Name>C</Name></Course></RaceCourseData>"
        "<RaceCourseData><Course><Name>none</Name></Course></RaceCourseData>"
        "<RaceCourseData raceNumber=\" 2 \"><Course><Name>B</Name></Course></RaceCourseData>"
        "<RaceCourseData raceNumber=\"2\"><Course><Name>B2</Name></Course></RaceCourseData>";
    const struct {
        long long wanted;
        const char* course;
        std::vector<long long> skipped;  // by raceNumber, else position
    } cases[] = {
        {0, "C", {2, 2, 2}},
        {2, "B", {3, 2, 2}},
        {3, "C", {2, 2, 2}},
        {7, "C", {2, 2, 2}},
    };
    for (const auto& c : cases) {
        const CourseDataReading reading = Read(Document(races), c.wanted);
        ASSERT_EQ(reading.status, ReadStatus::sound);
        ASSERT_EQ(reading.data.race.courses.size(), 1u);
        EXPECT_EQ(reading.data.race.courses[0].name, c.course) << c.wanted;
        EXPECT_EQ(reading.data.skipped, c.skipped) << c.wanted;
    }
}

TEST(CourseDataReader, TextsAreKeptBoundedInTheCodePage) {
    const std::string longId(50000, '7');
    const CourseDataReading reading =
        Read(Document("<RaceCourseData><Control><Id>" + longId +
                      "</Id></Control>"
                      "<Course><Name>\n  Bana ✓ Ö\t</Name><Length> 1e3 </Length><Climb>ten</Climb>"
                      "<CourseControl><Control>A</Control><Control>B</Control></CourseControl>"
                      "</Course></RaceCourseData>"));
    ASSERT_EQ(reading.status, ReadStatus::sound);
    EXPECT_EQ(reading.data.race.controls[0].id, std::string(kMaxKeptText, '7'));
    const Course& course = reading.data.race.courses[0];
    EXPECT_EQ(course.name, Windows1252FromUtf8("Bana ? Ö"));
    EXPECT_EQ(course.length, 1000.0);
    EXPECT_FALSE(course.climb);                  // not a number: as if absent
    EXPECT_EQ(course.controls[0].control, "A");  // the first of several
}

TEST(CourseDataReader, RefusesWholeDocumentsItCannotTrust) {
    const std::string race = "<RaceCourseData/>";
    const std::string laughs =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE CourseData [\n<!ENTITY a \"aaaaaaaaaa\">\n"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n]>\n"
        "<CourseData xmlns=\"http://www.orienteering.org/datastandard/3.0\" "
        "iofVersion=\"3.0\"><Event><Name>&b;</Name></Event>" +
        race + "</CourseData>";
    const struct {
        const char* what;
        std::string bytes;
        ReadStatus status;
        std::string text;
    } cases[] = {
        {"not well-formed", Document("<RaceCourseData>\n<Control></RaceCourseData>\n"),
         ReadStatus::notWellFormed,
         "Ogiltig XML, rad 5: Opening and ending tag mismatch: Control line 5 and "
         "RaceCourseData"},
        {"empty", "", ReadStatus::notWellFormed, "Ogiltig XML, rad 1: "},
        {"text", "*Kontroller\n31\n", ReadStatus::notWellFormed, "Ogiltig XML, rad 1: "},
        {"undefined entity",
         Document("<RaceCourseData><Control><Id>&x;</Id></Control>"
                  "</RaceCourseData>"),
         ReadStatus::notWellFormed, "Ogiltig XML, rad 4: Entity 'x' not defined"},
        {"entities", laughs, ReadStatus::doctype,
         "Ogiltig XML, rad 2: dokumenttypdeklaration (DOCTYPE) tillåts inte."},
        {"external entity", "<!DOCTYPE CourseData SYSTEM \"file:///etc/passwd\"><CourseData/>",
         ReadStatus::doctype, "Ogiltig XML, rad 1: dokumenttypdeklaration (DOCTYPE) tillåts inte."},
        {"another root", Document(race, "EntryList"), ReadStatus::notCourseData,
         "Inte IOF XML 3.0 CourseData."},
        {"another namespace", Document(race, "CourseData", "urn:other"), ReadStatus::notCourseData,
         "Inte IOF XML 3.0 CourseData."},
        {"another version", Document(race, "CourseData", kIofNamespace, "3.1"),
         ReadStatus::notCourseData, "Inte IOF XML 3.0 CourseData."},
        {"IOF 2.0.3",
         "<?xml version=\"1.0\"?>\n<CourseData><IOFVersion version=\"2.0.3\"/></CourseData>",
         ReadStatus::notCourseData, "Inte IOF XML 3.0 CourseData."},
        {"no race", Document(""), ReadStatus::notCourseData, "Inte IOF XML 3.0 CourseData."},
        {"controls",
         Document("<RaceCourseData>" + Repeated("<Control/>", kMaxControls + 1) +
                  "</RaceCourseData>"),
         ReadStatus::overLimits, "CourseData för stor: fler än 10000 kontroller."},
        {"course controls",
         Document("<RaceCourseData><Course>" +
                  Repeated("<CourseControl/>", kMaxCourseControls + 1) +
                  "</Course></RaceCourseData>"),
         ReadStatus::overLimits, "CourseData för stor: fler än 1000 passager i en bana."},
        {"races", Document(Repeated(race, kMaxRaces + 1)), ReadStatus::overLimits,
         "CourseData för stor: fler än 100 RaceCourseData."},
    };
    for (const auto& c : cases) {
        const CourseDataReading reading = Read(c.bytes);
        EXPECT_EQ(reading.status, c.status) << c.what;
        EXPECT_TRUE(Utf8FromWindows1252(RefusalText(reading)).starts_with(c.text))
            << c.what << ": " << Utf8FromWindows1252(RefusalText(reading));
        EXPECT_TRUE(reading.data.race.controls.empty()) << c.what;
    }
    // Exactly at the limits a document is sound.
    EXPECT_EQ(Read(Document("<RaceCourseData>" + Repeated("<Control/>", kMaxControls) +
                            "</RaceCourseData>"))
                  .status,
              ReadStatus::sound);
}

TEST(CourseDataReader, AFailingReadIsNoDocument) {
    int calls = 0;
    const CourseDataReading reading = ReadCourseData(
        [&](char* buffer, std::size_t size) -> long {
            if (++calls == 1) {
                const std::string start =
                    "<CourseData xmlns=\"" + std::string(kIofNamespace) + "\">";
                std::copy_n(start.data(), std::min(size, start.size()), buffer);
                return static_cast<long>(std::min(size, start.size()));
            }
            return -5;
        },
        0);
    EXPECT_EQ(reading.status, ReadStatus::readFailed);
    EXPECT_EQ(RefusalText(reading), "");
}

TEST(XmlValues, TenthsHalfWayStayHalfWayAndRoundAwayFromZero) {
    const struct {
        const char* text;
        std::int32_t rounded;
    } cases[] = {
        {"12.35", 124},       {"-7.45", -75},
        {"0.05", 1},          {"-0.05", -1},
        {"1.234", 12},        {"1.235e1", 124},
        {"+2E-1", 2},         {" 3 ", 30},
        {"1e12", 2147483647}, {"-INF", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        const std::optional<double> tenths = ReadTenths(c.text);
        ASSERT_TRUE(tenths) << c.text;
        EXPECT_EQ(RoundedInt32(*tenths), c.rounded) << c.text;
    }
    EXPECT_FALSE(ReadTenths("12,5"));
    EXPECT_FALSE(ReadTenths(""));
    EXPECT_EQ(RoundedInt16(40000.0), 32767);
    EXPECT_EQ(RoundedInt32(std::nan("")), 0);
}

}  // namespace
}  // namespace oltoma::ol::iof
