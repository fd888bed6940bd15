// The competition headers on the recording printer. The fixture's
// competition is 01, "OK Tester", "Testtävlingen", dated Lördag 2024-05-18,
// zero times 09:00, km times 360 and 720. Medium characters are 20 wide,
// large ones 30; the column starts at 120 and is 3000 wide.
#include "ol/reports/report_headers.h"

#include "reports_fixture.h"

namespace oltoma::ol::testing {
namespace {

struct Placed {
    int x;
    std::string text;
    friend bool operator==(const Placed&, const Placed&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Placed& p) {
        return out << p.x << " \"" << p.text << "\"";
    }
};

class HeadersTest : public ReportsTest {
protected:
    std::vector<Placed> Header(void (*header)()) {
        EXPECT_TRUE(OpenReport("test", run));
        printer().ClearCalls();
        header();
        std::vector<Placed> placed;
        for (const CanvasCall& call : Calls(Kind::TextOut)) {
            placed.push_back({call.from.x, Utf8FromWindows1252(call.text)});
        }
        return placed;
    }

    static int Medium(int chars) { return 120 + 20 * chars; }
    static int Large(int chars) { return 120 + 30 * chars; }
};

TEST_F(HeadersTest, CompetitionHeaderOfOneDayMultiDayAndRelay) {
    struct Case {
        const char* name;
        int stages;
        int dagStr;
        bool relay;
        std::vector<Placed> expected;
    };
    const Case cases[] = {
        {"one day, all stages (DagStr 0): stage 1",
         1,
         0,
         false,
         {{Medium(1), "01"},
          {Medium(5), "OK Tester"},
          {Medium(56), "2024-05-18"},
          {Medium(68), "09:00"},
          {Medium(74), "-1-"},
          {Medium(5), "Testtävlingen"},
          {Medium(47), "   0"},
          {Medium(53), "360"},
          {Medium(57), "720"},
          {Medium(4), "   0  09:00,  "}}},
        {"three days, all stages",
         3,
         0,
         false,
         {{Medium(1), "01"},
          {Medium(5), "OK Tester"},
          {Medium(44), "2024-05-18-"},
          {Medium(56), "2024-05-20"},
          {Medium(68), "09:00"},
          {Medium(74), "-3-"},
          {Medium(5), "Testtävlingen"},
          {Medium(47), "   0"},
          {Medium(53), "360"},
          {Medium(57), "720"},
          {Medium(75), " 3"},
          {Medium(4), "   0  09:00,     0  09:00,     0  09:00,  "}}},
        {"relay, leg 2: the first stage's date",
         3,
         2,
         true,
         {{Medium(1), "01"},
          {Medium(5), "OK Tester"},
          {Medium(56), "2024-05-18"},
          {Medium(68), "09:00"},
          {Medium(74), "-1-"},
          {Medium(5), "Testtävlingen"},
          {Medium(47), "   0"},
          {Medium(53), "360"},
          {Medium(57), "720"},
          {Medium(75), " 3"},
          {Medium(4), "   0  09:00,     0  09:00,     0  09:00,  "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InfoRec& competition = Ol().competition.rec;
        competition.StrNr = static_cast<std::int16_t>(c.stages);
        competition.DagStr = static_cast<std::int16_t>(c.dagStr);
        competition.Relay = c.relay;
        std::vector<Placed> placed = Header(&CompetitionHeader);
        std::erase_if(placed, [](const Placed& p) { return p.text.empty(); });
        EXPECT_EQ(placed, c.expected);
        ReportEnd(true);
    }
}

TEST_F(HeadersTest, StartTimesAndCountsOfTheSplitIndex) {
    InfoRec& competition = Ol().competition.rec;
    competition.StrNr = 2;
    competition.DagStr = 1;
    competition.MellanTid = 3;
    competition.StTidCount[1] = 3600;
    competition.Count.cell[3] = 42;           // group 0, split 3
    competition.Count.cell[2 * 26 + 3] = 17;  // stage 2, split 3
    const std::vector<Placed> placed = Header(&CompetitionHeader);
    EXPECT_NE(std::find(placed.begin(), placed.end(), Placed{Medium(47), "  42"}), placed.end());
    EXPECT_EQ(placed.back(), (Placed{Medium(4), "   0  09:00,    17  10:00,  "}));
}

TEST_F(HeadersTest, FieldsOutsideTheirTablesPrintWithoutReadingBeyondThem) {
    InfoRec& competition = Ol().competition.rec;
    competition.StrNr = 12;
    competition.DagStr = 9;
    competition.MellanTid = 40;
    const std::vector<Placed> placed = Header(&CompetitionHeader);
    // Stage 9 is taken as stage 5; the split 40 counts 0; five stages.
    EXPECT_EQ(placed[2], (Placed{Medium(56), "2024-05-22"}));
    EXPECT_EQ(placed[4], (Placed{Medium(74), "-5-"}));
    EXPECT_EQ(placed[6], (Placed{Medium(47), "   0"}));
    EXPECT_EQ(placed[9], (Placed{Medium(75), "12"}));
    EXPECT_EQ(placed[10].text,
              "   0  09:00,     0  09:00,     0  09:00,     0  09:00,     0  09:00,  ");
}

TEST_F(HeadersTest, ControlsHeader) {
    struct Case {
        const char* name;
        int stages;
        int dagStr;
        std::vector<Placed> expected;
    };
    const Case cases[] = {
        {"one day, DagStr 0: the competition's own date, not the day before",
         1,
         0,
         {{Large(1), "OK Tester"},
          {120 + 3000 - 18 * 30 - 2, "Lördag  2024-05-18"},
          {Large(1), "Testtävlingen"}}},
        {"day 2 of three",
         3,
         2,
         {{Large(1), "OK Tester"},
          {120 + 3000 - 18 * 30 - 2, "Söndag  2024-05-19"},
          {Large(1), "Testtävlingen"},
          {Large(47), "Dag: 2"}}},
        {"all three days: f = 100 - 27 - 8 = 65",
         3,
         0,
         {{Large(1), "OK Tester"},
          {120 + 3000 - 37 * 30 - 2, "Lördag  2024-05-18-Måndag  2024-05-20"},
          {Large(1), "Testtävlingen"},
          {Large(57), "Dag....:"},
          {Large(65), "   1        2        3     "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InfoRec& competition = Ol().competition.rec;
        competition.StrNr = static_cast<std::int16_t>(c.stages);
        competition.DagStr = static_cast<std::int16_t>(c.dagStr);
        std::vector<Placed> placed = Header(&ControlsHeader);
        std::erase_if(placed, [](const Placed& p) { return p.text.empty(); });
        EXPECT_EQ(placed, c.expected);
        ReportEnd(true);
    }
}

}  // namespace
}  // namespace oltoma::ol::testing
