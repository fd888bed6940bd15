// Page geometry and report fonts as ReportOpen sets them up.
#include "report_fixture.h"

namespace oltoma::testing {
namespace {

using Kind = platform::CanvasCall::Kind;

struct GeometryCase {
    const char* name;
    int columns;
    std::int16_t resolution;
    std::uint32_t marginUnit;
    std::int32_t margins[4];
    int marginLeft, marginTop, columnGap, printWidth, printHeight;
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportGeometry : public ReportFixture, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(ReportGeometry, MarginsGapAndPrintableArea) {
    const GeometryCase& c = GetParam();
    block = TestPrinterBlock(c.columns);
    block->deviceMode.printQuality = c.resolution;
    block->deviceMode.yResolution = c.resolution;
    block->pageSetup.flags = c.marginUnit;
    std::copy(std::begin(c.margins), std::end(c.margins), block->pageSetup.margins);
    ASSERT_TRUE(ReportOpen("t", *block, 0));
    EXPECT_EQ(MarginLeft(), c.marginLeft);
    EXPECT_EQ(MarginTop(), c.marginTop);
    EXPECT_EQ(ColumnGap(), c.columnGap);
    EXPECT_EQ(PrintWidth(), c.printWidth);
    EXPECT_EQ(PrintHeight(), c.printHeight);
    EXPECT_EQ(ColumnWidth(), c.printWidth / c.columns);
}

// Page 2000 x 2800 pixels at 240 dpi.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReportGeometry,
    ::testing::Values(
        // One column without a right margin: no gap.
        GeometryCase{"OneColumn", 1, 240, 8, {1270, 2540, 0, 1270}, 120, 240, 0, 1880, 2440},
        // Two columns without a right margin: 5 % of (2000 - 120) = 94, halved.
        GeometryCase{"TwoColumns", 2, 240, 8, {1270, 2540, 0, 1270}, 120, 240, 47, 1833, 2440},
        // A right margin of 1 inch is the gap itself, or split over the columns.
        GeometryCase{
            "OneColumnRight", 1, 240, 8, {1270, 2540, 2540, 1270}, 120, 240, 240, 1640, 2440},
        GeometryCase{
            "ThreeColumnsRight", 3, 240, 8, {1270, 2540, 2540, 1270}, 120, 240, 80, 1800, 2440},
        // Margins in thousandths of an inch.
        GeometryCase{"Inches", 1, 240, 4, {500, 1000, 250, 500}, 120, 240, 60, 1820, 2440},
        // Without a resolution every margin is 0.
        GeometryCase{"NoResolution", 1, 0, 8, {1270, 2540, 2540, 1270}, 0, 0, 0, 2000, 2800},
        GeometryCase{"NegativeResolution", 2, -4, 8, {1270, 2540, 0, 1270}, 0, 0, 50, 1950, 2800}),
    [](const auto& info) { return std::string(info.param.name); });

struct FontCase {
    int columns;
    char kind;
    int points;
};

TEST_F(ReportFixture, FontSizesAreDividedByTheColumnCount) {
    const FontCase cases[] = {
        {1, 'B', 18}, {1, 'b', 9}, {1, 'N', 12}, {1, '?', 12}, {1, 'n', 6}, {1, 'S', 9},
        {1, 's', 4},  {2, 'B', 9}, {2, 'b', 4},  {2, 'N', 6},  {2, 'n', 3}, {2, 'S', 4},
        {2, 's', 2},  {3, 'B', 6}, {3, 'N', 4},  {3, 'S', 3},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.columns) + " columns, kind " + c.kind);
        ASSERT_TRUE(Open(c.columns));
        PushFont(c.kind);
        EXPECT_EQ(printer.GetCanvas().Font().Size(), c.points);
        EXPECT_EQ(printer.GetCanvas().Font().face, "Arial");
        PopFont();
        ReportEnd(true);
    }
}

TEST_F(ReportFixture, OtherKindsGetTheDefaultFontAndObjectsTheirOwn) {
    ASSERT_TRUE(Open(1));
    PushFont('x');
    EXPECT_EQ(printer.GetCanvas().Font(), platform::FontDescription{});
    platform::FontDescription courier;
    courier.face = "Courier New";
    PushFontObject(courier);
    EXPECT_EQ(printer.GetCanvas().Font().face, "Courier New");
    PopFont();
    PopFont();
    EXPECT_EQ(printer.GetCanvas().Font().Size(), 12) << "the base font is back";
}

TEST_F(ReportFixture, PositionsInCharactersLinesAndPixels) {
    ASSERT_TRUE(Open(2));  // medium font 6 points: 20 high, line 22, characters 10 wide
    EXPECT_EQ(CurX(), 120);
    EXPECT_EQ(CurY(), 240);
    GotoCharLine(3, 2);
    EXPECT_EQ(CurX(), 150);
    EXPECT_EQ(CurY(), 284);
    GotoCharLine(-2, -1.5);
    EXPECT_EQ(CurX(), 170);
    EXPECT_EQ(CurY(), 317);
    EXPECT_EQ(printer.GetCanvas().PenPosition(), (platform::Point{170, 317}));
    NextColumnOrPage(false, 1, "");
    EXPECT_EQ(CurrentColumn(), 2);
    TabChars(0);
    EXPECT_EQ(CurX(), 120 + 916 + 47);
    EXPECT_EQ(ColumnLeft(), 120 + 916 + 47);
    TabPixels(5);
    EXPECT_EQ(CurX(), 120 + 916 + 47 + 5);
    GotoPixelY(-7);
    EXPECT_EQ(CurY(), 240 + 2 * 22 + 7);
}

TEST_F(ReportFixture, WriteTextAdvancesAndRuleSpansTheColumn) {
    ASSERT_TRUE(Open(1));
    printer.ClearCalls();
    WriteText("abc");
    EXPECT_EQ(CurX(), 120 + 60);
    WriteText("d");
    Rule();
    const auto texts = TextsOnPage(1);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].from, (platform::Point{120, 240}));
    EXPECT_EQ(texts[1].from, (platform::Point{180, 240}));
    const auto lines = CallsOf(Kind::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (platform::Point{120 + 1880 - 1, 240}));
    EXPECT_EQ(lines[0].to, (platform::Point{121, 240}));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(CurY(), 240 + 6) << "the small font's descent";
    EXPECT_DOUBLE_EQ(UsedHeight(), 6);
    EXPECT_EQ(CurX(), 120 + 20) << "one character of the restored font";
}

}  // namespace
}  // namespace oltoma::testing
