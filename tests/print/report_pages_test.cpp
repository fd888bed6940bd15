// Page breaks, footers and continuation headers of a one-column report on
// the fixture's page: PrintHeight 2440, MarginTop 240, small line 33, so
// FooterTop = 2440 + 240 - 99 = 2581; body lines of 44 in the medium font.
#include "report_fixture.h"

namespace oltoma::testing {
namespace {

using Kind = platform::CanvasCall::Kind;
using platform::Point;

constexpr int kFooterTop = 2581;

// Writes numbered body lines the way a report does until page `pages` + 1
// has begun; returns how many lines went to the first page.
int WriteLinesOverPages(int pages) {
    int lines = 0;
    int firstPageLines = -1;
    while (PageNumber() <= pages) {
        ReserveLines("klasser", 1);
        if (PageNumber() > 1 && firstPageLines < 0) {
            firstPageLines = lines;
        }
        TabChars(0);
        WriteLine("line " + std::to_string(lines++));
    }
    return firstPageLines;
}

TEST_F(ReportFixture, FooterTopIsThreeSmallLinesAboveTheBottomMargin) {
    ASSERT_TRUE(Open(1));
    EXPECT_EQ(FooterTop(), kFooterTop);
}

TEST_F(ReportFixture, LineThatWouldReachTheFooterBreaksFirst) {
    ASSERT_TRUE(Open(1));
    // Line k is reserved at UsedHeight 44k and fits while 2439 > 44k + 44 + 99.
    EXPECT_EQ(WriteLinesOverPages(1), 53);
    const auto page1 = TextsOnPage(1);
    const platform::CanvasCall& last = page1[52];
    EXPECT_EQ(last.text, "line 52");
    EXPECT_EQ(last.from.y, 240 + 52 * 44);
    EXPECT_LE(last.from.y + 40, kFooterTop) << "the last line ends above the footer rule";
    EXPECT_EQ(TextsOnPage(2).back().text, "line 53");
}

TEST_F(ReportFixture, ContinuationHeaderIsCentredInTheSmallFont) {
    ASSERT_TRUE(Open(1));
    WriteLinesOverPages(1);
    const auto page2 = TextsOnPage(2);
    ASSERT_GE(page2.size(), 2u);
    // 1880 div 15 = 125 characters; the header has 27: (125 - 27) div 2 = 49.
    EXPECT_EQ(page2[0].text, "forts.. \"klasser\" sida:   2");
    EXPECT_EQ(page2[0].fontSize, 9);
    EXPECT_EQ(page2[0].from, (Point{120 + 49 * 15, 240}));
    bool ruleFound = false;
    for (const platform::CanvasCall& call : CallsOf(Kind::LineTo)) {
        if (call.page == 2 && call.from == Point{1999, 273} && call.to == Point{121, 273}) {
            ruleFound = call.penWidth == 2;
        }
    }
    EXPECT_TRUE(ruleFound) << "a rule below the header line";
    // Below the rule: the descent (6) and a blank small line (33).
    EXPECT_EQ(page2[1].text, "line 53");
    EXPECT_EQ(page2[1].from, (Point{120, 273 + 6 + 33}));
    EXPECT_EQ(page2[1].fontSize, 12);
}

TEST_F(ReportFixture, FooterOfMiddleAndLastPages) {
    ASSERT_TRUE(Open(1));
    WriteLinesOverPages(1);
    ReportEnd(false);
    for (int page : {1, 2}) {
        SCOPED_TRACE("page " + std::to_string(page));
        bool footerRule = false;
        for (const platform::CanvasCall& call : CallsOf(Kind::LineTo)) {
            footerRule |= call.page == page && call.from == Point{1999, kFooterTop} &&
                          call.to == Point{121, kFooterTop};
        }
        EXPECT_TRUE(footerRule);
    }
    const auto page1 = TextsOnPage(1);
    const auto page2 = TextsOnPage(2);
    // Middle page: the quoted title and "forts... ", 19 characters, centred.
    const platform::CanvasCall& title = page1[page1.size() - 2];
    EXPECT_EQ(title.text, "\"klasser\" forts... ");
    EXPECT_EQ(title.from, (Point{120 + (1880 - 19 * 15) / 2, kFooterTop + 33}));
    EXPECT_EQ(title.fontSize, 9);
    const std::string second = "Fottext 2024-03-04 13:05:09";
    EXPECT_EQ(page1.back().text, second);
    EXPECT_EQ(page1.back().from,
              (Point{120 + (1880 - static_cast<int>(second.size()) * 15) / 2, kFooterTop + 66}));
    // Last page: no first line, the same second line.
    EXPECT_EQ(page2.back().text, second);
    EXPECT_NE(page2[page2.size() - 2].from.y, kFooterTop + 33);
    EXPECT_EQ(CallsOf(Kind::EndDoc).size(), 1u);
    EXPECT_EQ(FontDepth(), 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReportFixture, TwoColumnsFillTheSecondColumnBeforeBreaking) {
    ASSERT_TRUE(Open(2));
    // Lines of 22 in the 6-point font; the small font is 4 points: line 14.
    int lines = 0;
    while (CurrentColumn() == 1 && PageNumber() == 1) {
        ReserveLines("klasser", 1);
        WriteLine("x" + std::to_string(lines++));
    }
    const auto page1 = TextsOnPage(1);
    const platform::CanvasCall& top = page1.back();
    EXPECT_EQ(top.from.y, 240 + 2 * 22) << "below two blank lines, like a continuation header";
    EXPECT_EQ(top.from.x, 120 + 916 + 47 + 10) << "one character in, as after WriteLine";
    EXPECT_EQ(PageNumber(), 1);
}

TEST_F(ReportFixture, RoomForBreaksOnlyWhenAsked) {
    ASSERT_TRUE(Open(1));
    EXPECT_TRUE(RoomFor(true, 2000));
    EXPECT_FALSE(RoomForLines(false, 100));
    EXPECT_EQ(PageNumber(), 1);
    EXPECT_FALSE(RoomForLinesPlus(true, 50, 200));
    EXPECT_EQ(PageNumber(), 2);
    EXPECT_DOUBLE_EQ(UsedHeight(), 2 * 33 + 8) << "two small lines and the descent";
}

TEST_F(ReportFixture, HeadingIsCentredInTheLargeFont) {
    ASSERT_TRUE(Open(1));
    Heading("Klasslista");
    const auto texts = TextsOnPage(1);
    ASSERT_EQ(texts.size(), 1u);  // the empty line after it draws nothing
    // Large font 18 points: characters 30 wide, 1880 div 30 = 62; (62 - 10) div 2 = 26.
    EXPECT_EQ(texts[0].text, "Klasslista");
    EXPECT_EQ(texts[0].fontSize, 18);
    EXPECT_EQ(texts[0].from, (Point{120 + 26 * 30, 240}));
    EXPECT_DOUBLE_EQ(UsedHeight(), 66 + 44);
}

}  // namespace
}  // namespace oltoma::testing
