// The definition reports on small competitions, on the recording printer:
// a column of 3000 holds two blocks at scale 10; R = 144.
#include <fstream>
#include <iterator>

#include "base/text/number_format.h"
#include "ol/reports/definition_reports.h"
#include "reports_fixture.h"

namespace oltoma::ol::testing {
namespace {

class DefinitionReportsTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        AddSymbol("_VU", 0x11);
        AddSymbol("_U", 0x22);
        AddSymbol("_V", 0x33);
    }

    static PickedByKey Controls(std::vector<std::string> codes) {
        return PickedByKey(&FindControl, std::move(codes));
    }

    // The heights of the pictures drawn in line 1 of each row, row by row:
    // 144 for a symbol, 48 for a closing top band; the rows' tops.
    std::vector<std::pair<int, std::vector<int>>> Rows() const {
        std::vector<std::pair<int, std::vector<int>>> rows;
        for (const CanvasCall& call : Calls(Kind::StretchDraw)) {
            if (rows.empty() || rows.back().first != call.rect.top) {
                rows.push_back({call.rect.top, {}});
            }
            rows.back().second.push_back(call.rect.bottom - call.rect.top);
        }
        return rows;
    }

    std::string ControlFileBytes() const {
        std::ifstream file(folder / "KONTR01.DAT", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_F(DefinitionReportsTest, FiveControlsTwoAcross) {
    for (const char* code : {"31", "32", "S1", "34", "35"}) {
        AddControl(code);
    }
    PickedByKey picked = Controls({"31", "32", "S1", "34", "35"});
    PrintControlDefinitions(picked, run);

    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<int> full(9, 144);
    const std::vector<int> band(8, 48);
    std::vector<int> both = full;
    both.insert(both.end(), full.begin(), full.end());
    EXPECT_EQ(rows[0].second, both);
    EXPECT_EQ(rows[1].second, both);
    std::vector<int> oneAndClosing = full;
    oneAndClosing.insert(oneAndClosing.end(), band.begin(), band.end());
    EXPECT_EQ(rows[2].second, oneAndClosing) << "the empty slot closes the block above it";
    EXPECT_EQ(rows[3].second, band) << "a third-height closing row under the last block";
    EXPECT_EQ(rows[1].first - rows[0].first, 144);
    EXPECT_EQ(rows[3].first - rows[2].first, 144);

    // Running numbers in entry A, but not for the start S1.
    for (const char* number : {" 1", " 2", " 4", " 5"}) {
        EXPECT_TRUE(Printed(number)) << number;
    }
    EXPECT_FALSE(Printed(" 3"));
    EXPECT_TRUE(Printed("Kontrollpunkter. (48x72). Skala 1.00"));
    EXPECT_TRUE(Printed("Antal utskrivna kontrollpunkter    5 [   5]"));
    EXPECT_EQ(Ol().competition.rec.DagStr, 0);
    EXPECT_EQ(dialog.counts, "    5|[    5]");
    EXPECT_FALSE(dialog.open) << "the report ended";
}

TEST_F(DefinitionReportsTest, CourseNumbersSkipTControlsAndShowMissingControls) {
    std::vector<std::string> codes = {"S1", "31", "32", "T5", "33", "34",
                                      "35", "36", "37", "38", "39", "M1"};
    for (std::size_t i = 1; i < codes.size(); ++i) {
        AddControl(codes[i]);
    }
    AddCourse("A", codes, 4500);
    const std::string before = ControlFileBytes();
    PickedByKey picked(&FindCourse, {"A"});
    PrintCourseDefinitions(picked, run);

    // The start, missing from the control file, is the first row: its
    // code in column B and "finns" "inte" "data" in D to F.
    const std::vector<std::string> texts = Texts();
    const auto at = [&](std::string_view text) {
        return std::find(texts.begin(), texts.end(), text) - texts.begin();
    };
    ASSERT_LT(at("finns"), static_cast<long>(texts.size()));
    EXPECT_TRUE(Printed(" S1"));
    EXPECT_LT(at(" S1"), at(" 1"));
    for (int n = 1; n <= 9; ++n) {
        EXPECT_TRUE(Printed(IntSpacePadded(n, 2))) << n;
    }
    EXPECT_FALSE(Printed("10")) << "T5 is not numbered and leaves no gap";
    EXPECT_TRUE(Printed("A Antal [  0]"));
    EXPECT_TRUE(Printed("A")) << "the heading block names the course";
    EXPECT_TRUE(Printed("   4500"));
    EXPECT_TRUE(Printed("Antal banor utskrivna:    1 [   1]"));
    // Heading row, 12 control rows, a closing row.
    EXPECT_EQ(Rows().size(), 14u);
    EXPECT_EQ(ControlFileBytes(), before) << "the control file is only read";
}

TEST_F(DefinitionReportsTest, TwoClassesOnOneCourseGiveTwoColumns) {
    AddControl("31");
    AddCourse("A", {"31"}, 2500);
    AddClass("H21", "A", 5);
    AddClass("D21", "A", 7);
    AddClass("H10", "NONE");
    PickedByKey picked(&FindClass, {"H21", "D21", "H10"});
    PrintCoursesPerClass(picked, run);

    EXPECT_TRUE(Printed("Kontrollbeskrivningar. (48x72). Skala 1.00"));
    EXPECT_TRUE(Printed("A Antal  5 [  5]"));
    EXPECT_TRUE(Printed("A Antal  7 [  7]"));
    EXPECT_TRUE(Printed(" H21"));
    EXPECT_TRUE(Printed(" D21"));
    EXPECT_TRUE(Printed("Antal utskrivna banor:    2 [   1]")) << "H10's course is missing";
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u) << "heading, the control, the closing row";
    EXPECT_EQ(rows[1].second.size(), 18u) << "both columns side by side";
}

TEST_F(DefinitionReportsTest, CrossReferenceListsTheCourseOnceWithItsThreeClasses) {
    AddControl("31");
    AddControl("33", {"", "", "5.1"});
    AddCourse("A", {"S1", "31", "33", "M1"});
    AddCourse("B", {"S1", "33", "M1"});
    AddClass("H21", "A", 5);
    AddClass("D21", "A", 7);
    AddClass("H35", "A", 3);
    AddClass("D10", "B", 4);
    PickedByKey picked = Controls({"33", "31"});
    PrintCodeCourseClass(picked, run);

    EXPECT_TRUE(Printed("Kod, Bana, Klass. (48x72). Skala 1.00"));
    EXPECT_TRUE(Printed("Kontroller:   2. Banor:   2. Klasser:   4"));
    EXPECT_TRUE(Printed("A( 2)"));
    EXPECT_TRUE(Printed("B( 1)"));
    // Classes in the class file's order; the count of each is its visitors.
    const std::vector<std::string> texts = Texts();
    const auto a = std::find(texts.begin(), texts.end(), "A( 2)");
    ASSERT_NE(a, texts.end());
    EXPECT_EQ(std::vector<std::string>(a + 1, a + 4),
              (std::vector<std::string>{"D21", "H21", "H35"}));
    EXPECT_TRUE(Printed("Antal besökande, etapp[1]:  19"));
    EXPECT_TRUE(Printed("Antal besökande, etapp[1]:  15"));
    ASSERT_EQ(progress.windows.size(), 1u);
    EXPECT_EQ(progress.windows[0]->options.caption, "Kodsiffra, Banor, Klasser..");
    EXPECT_FALSE(progress.windows[0]->open);
}

TEST_F(DefinitionReportsTest, CrossReferenceOfAControlWithoutDefinition) {
    AddControl("31");
    AddCourse("A", {"S1", "77", "M1"});
    AddClass("H21", "A", 5);
    // A pick that hands over a code the control file does not hold.
    struct Stale final : PickedRecords {
        int Antal() override { return 1; }
        std::int32_t GetPickData(int) override {
            Ol().control.rec.KodNr = "77";
            return 1;
        }
    } stale;
    PrintCodeCourseClass(stale, run);
    EXPECT_TRUE(Printed(" 77"));
    EXPECT_TRUE(Printed(" Kan ej finna kontrolldefinitionen!"));
    EXPECT_TRUE(Printed("A( 1)"));
    EXPECT_TRUE(Printed("Antal besökande, etapp[1]:   5"));
}

TEST_F(DefinitionReportsTest, CancelInTheReportDialogStopsAndEndsTheReport) {
    for (const char* code : {"31", "32", "33", "34", "35"}) {
        AddControl(code);
    }
    PickedByKey picked = Controls({"31", "32", "33", "34", "35"});
    picked.onLoad = [this](int ix) {
        if (ix == 2) {
            dialog.cancel();
        }
    };
    PrintControlDefinitions(picked, run);
    EXPECT_FALSE(PrintedContaining("Antal utskrivna"));
    EXPECT_EQ(Calls(Kind::Abort).size(), 1u);
    EXPECT_FALSE(dialog.open);
    EXPECT_FALSE(PrinterPrinting());
}

TEST_F(DefinitionReportsTest, NoPrinterPrintsNothing) {
    platform::RecordingPrinter::Device none;
    none.installed.clear();
    none.defaultName.clear();
    UseDevice(none);
    AddControl("31");
    PickedByKey picked = Controls({"31"});
    PrintControlDefinitions(picked, run);
    EXPECT_TRUE(printer().calls().empty());
    EXPECT_FALSE(dialog.open);
}

TEST_F(DefinitionReportsTest, EmptyFileOrEmptyPickDoesNothing) {
    PickedByKey none = Controls({});
    PrintControlDefinitions(none, run);
    AddControl("31");
    PrintControlDefinitions(none, run);
    PickedByKey picked = Controls({"31"});
    PrintCourseDefinitions(picked, run);  // no course in the file
    EXPECT_TRUE(printer().calls().empty());
}

}  // namespace
}  // namespace oltoma::ol::testing
