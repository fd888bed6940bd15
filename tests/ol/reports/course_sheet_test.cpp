// The course picture's sheet on a recording canvas of 96 dpi: rows at
// 4.8 s, cells at the picture's own geometry, the placeholder of a missing
// control.
#include "ol/reports/course_sheet.h"

#include "reports_fixture.h"

namespace oltoma::ol::testing {
namespace {

class CourseSheetTest : public ReportsTest {
protected:
    std::vector<CanvasCall> Draw(const TrackRec& course, int scale) {
        auto log = std::make_shared<std::vector<CanvasCall>>();
        platform::RecordingCanvas canvas(96, log);
        canvas.SetActive(true);
        DescriptionSymbols symbols;
        symbols.LoadFrameSymbols();
        DrawCourseSheet(canvas, CourseSheetGeometry(scale, ControlCount(course)), symbols, course,
                        0);
        return *log;
    }
};

TEST_F(CourseSheetTest, GeometryOfTheCells) {
    const CourseSheetGeometry sheet(10, 10);
    EXPECT_EQ(sheet.ColumnLeft(1), 24);
    EXPECT_EQ(sheet.ColumnLeft(2), 72);
    EXPECT_EQ(sheet.ColumnLeft(3), 128) << "cell B is 56 units wide";
    EXPECT_EQ(sheet.TextLeft(3), 133);
    EXPECT_EQ(sheet.RowTop(2), 72);
    EXPECT_EQ(sheet.Width(), 464);
    EXPECT_EQ(sheet.Height(), 600);
    EXPECT_TRUE(sheet.Fits());
    EXPECT_FALSE(CourseSheetGeometry(255, 35).Fits());
    EXPECT_EQ(CourseSheetGeometry(12, 1).RowTop(3), 28 + 115);
}

TEST_F(CourseSheetTest, MissingControlShowsItsCodeAndFinnsInteData) {
    AddControl("S1");
    AddControl("T7");
    AddControl("33");
    AddControl("M1");
    TrackRec course{};
    course.Bana = "A";
    course.BanSize[0] = 3300;
    course.Antal = 5;
    for (int i = 0; i < 5; ++i) {
        course.KodNr[i] = std::vector<std::string>{"S1", "T7", "99", "33", "M1"}[i];
    }
    const std::vector<CanvasCall> calls = Draw(course, 10);
    // Row r's texts; the middle line of a row lies 48 - 24 below its top
    // for the cell font (v = 16, h = 8: round(v - h) = 8).
    std::vector<std::tuple<int, int, std::string>> texts;
    for (const CanvasCall& call : calls) {
        if (call.kind == Kind::TextOut) {
            texts.emplace_back(call.from.x, call.from.y, call.text);
        }
    }
    const CourseSheetGeometry sheet(10, 5);
    const auto has = [&](int row, int column, std::string_view text) {
        return std::any_of(texts.begin(), texts.end(), [&](const auto& t) {
            return std::get<0>(t) == sheet.TextLeft(column) && std::get<2>(t) == text &&
                   std::get<1>(t) >= sheet.RowTop(row) && std::get<1>(t) < sheet.RowTop(row + 1);
        });
    };
    EXPECT_TRUE(has(1, 1, "A"));
    EXPECT_TRUE(has(1, 5, "   3300"));
    // Row 4 is place 3: the missing 99, numbered 1 (T7 before it is not).
    EXPECT_TRUE(has(4, 1, " 1"));
    EXPECT_TRUE(has(4, 2, " 99"));
    EXPECT_TRUE(has(4, 4, "finns"));
    EXPECT_TRUE(has(4, 5, "inte"));
    EXPECT_TRUE(has(4, 6, "data"));
    EXPECT_TRUE(has(5, 1, " 2"));
    EXPECT_FALSE(has(3, 1, " 1")) << "the T control has no number";
    // The closing row: eight top bands 16 high (72 / 3 rows at s/15).
    int bands = 0;
    for (const CanvasCall& call : calls) {
        bands += call.kind == Kind::StretchDraw && call.rect.top == sheet.RowTop(7) &&
                         call.rect.bottom - call.rect.top == 16
                     ? 1
                     : 0;
    }
    EXPECT_EQ(bands, 8);
}

}  // namespace
}  // namespace oltoma::ol::testing
