// The route description reports and the class list on the recording
// printer. In the code font at scale 10 (5 points at 240 dpi) a character
// is 8 wide; in the medium font 20.
#include "base/text/windows1252.h"
#include "ol/reports/class_list.h"
#include "ol/reports/route_description_reports.h"
#include "reports_fixture.h"

namespace oltoma::ol::testing {
namespace {

class RouteReportsTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        ClearRoute24();
        Rutb24Rec& route = Ol().route24.rec;
        route.Namn = "5.1";
        route.Text = "Kolonn A";
        for (int b = 0; b < 3; ++b) {
            for (int t = 0; t < 3; ++t) {
                for (int c = 0; c < 48; ++c) {
                    route.Symbol[b][t][c] = static_cast<std::uint8_t>(c == 0 ? 255 : b * 10 + t);
                }
            }
        }
        std::int32_t rc = 0;
        ASSERT_TRUE(SaveRoute24(true, rc));
    }

    PickedByKey Symbols() { return PickedByKey(&FindRoute24, {"5.1"}); }

    // Texts written at character `chars` of the code font.
    std::vector<std::string> TextsAt(int chars) const {
        std::vector<std::string> texts;
        for (const CanvasCall& call : Calls(Kind::TextOut)) {
            if (call.from.x == 120 + 8 * chars && call.fontSize == 5) {
                texts.push_back(Utf8FromWindows1252(call.text));
            }
        }
        return texts;
    }
};

TEST_F(RouteReportsTest, DataListingBandsAndBytes) {
    PickedByKey picked = Symbols();
    PrintRouteDescriptions(picked, run, 'd');
    EXPECT_TRUE(Printed("rutbeskrivningar (48x72). Skala 1.00 Antal:    1"));
    EXPECT_TRUE(Printed("  1 5.1"));
    std::vector<std::string> prefixes;
    for (const std::string& text : TextsAt(1)) {
        if (text.size() > 7 && text[5] == '.') {
            prefixes.push_back(text.substr(0, 7));
        }
    }
    const std::vector<std::string> expected = {
        "  I 1. ", "    2. ", "    3. ", "    1. ", "    2. ", "    3. ",
        " II 1. ", "    2. ", "    3. ", "    1. ", "    2. ", "    3. ",
        "III 1. ", "    2. ", "    3. ", "    1. ", "    2. ", "    3. "};
    EXPECT_EQ(prefixes, expected);
    EXPECT_TRUE(PrintedContaining(" II 1. 255  10  10"));
    // The symbol in the eight columns: cell B wide.
    const auto draws = Calls(Kind::StretchDraw);
    ASSERT_EQ(draws.size(), 8u);
    EXPECT_EQ(draws[1].pictureSize, (platform::Size{56, 72}));
}

TEST_F(RouteReportsTest, FormOnAHundredCharactersListsSevenValuesALine) {
    UseDevice(DeviceWithColumn(800));
    PickedByKey picked = Symbols();
    PrintRouteDescriptions(picked, run, 'b');
    std::vector<std::string> grid;
    for (const std::string& text : TextsAt(11)) {
        if (text.starts_with('!') && text.size() == 51) {
            grid.push_back(text);
        }
    }
    ASSERT_EQ(grid.size(), 72u);
    EXPECT_TRUE(grid[0].starts_with("!7-")) << "column 1 (255) and bit 7 of byte 0";
    EXPECT_TRUE(grid[7].starts_with("!0-"));
    // 7 chunks per strip: the listing ends on grid line 63.
    std::vector<std::string> chunks;
    for (const CanvasCall& call : Calls(Kind::TextOut)) {
        if (call.from.x == 120 + 8 * (11 + 51) && call.fontSize == 5 &&
            !call.text.starts_with(" =")) {
            chunks.push_back(call.text);
        }
    }
    ASSERT_EQ(chunks.size(), 63u);
    EXPECT_EQ(chunks[0], "1:1: 1- 7! 255   0   0   0   0   0   0");
    EXPECT_EQ(chunks[6], "1:1:43-48!   0   0   0   0   0   0");
    EXPECT_EQ(chunks[62], "3:3:43-48!  22  22  22  22  22  22");
    EXPECT_TRUE(Printed(" " + std::string(38, '=')));
}

TEST_F(RouteReportsTest, FormOnANarrowColumnListsNoValues) {
    UseDevice(DeviceWithColumn(560));  // 70 characters: t = 0
    PickedByKey picked = Symbols();
    PrintRouteDescriptions(picked, run, 'b');
    EXPECT_TRUE(Printed(" " + std::string(10, '=')));
    EXPECT_FALSE(PrintedContaining("1:1: 1-"));
    EXPECT_EQ(Calls(Kind::StretchDraw).size(), 8u) << "the form was printed to its end";
}

TEST_F(RouteReportsTest, CatalogueLine) {
    PickedByKey picked = Symbols();
    PrintRouteDescriptions(picked, run, 'p');
    EXPECT_TRUE(Printed("[999]"));
    EXPECT_TRUE(Printed("Kolonn A"));
    EXPECT_EQ(Calls(Kind::StretchDraw).size(), 1u);
}

TEST_F(RouteReportsTest, OlderFormatIsRefused) {
    Ol().Route24FileOpen = false;
    PickedByKey picked = Symbols();
    PrintRouteDescriptions(picked, run, 'd');
    Ol().Route24FileOpen = true;
    EXPECT_TRUE(printer().calls().empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text),
              "Rutbeskrivningarna har äldre format och kan ej skrivas ut");
}

class ClassListTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        Ol().competition.rec.Days = 0;
    }

    // Items printed (texts after the summary line), with their x.
    std::vector<std::pair<int, std::string>> Items() const {
        std::vector<std::pair<int, std::string>> items;
        bool inClass = false;
        for (const CanvasCall& call : Calls(Kind::TextOut)) {
            const std::string text = Utf8FromWindows1252(call.text);
            if (text.starts_with("FrstStart:")) {
                inClass = true;
            }
            if (inClass && text.find(':') != std::string::npos && !text.starts_with(" 20")) {
                items.emplace_back(call.from.x, text);
            }
        }
        return items;
    }
};

TEST_F(ClassListTest, OneStageClassTakesFourItemsALine) {
    UseDevice(DeviceWithColumn(1600));  // 80 characters
    AddClass("H21", "A", 12);
    PickedByKey picked(&FindClass, {"H21"});
    PrintClassList(picked, run);
    EXPECT_TRUE(Printed("KlassLista"));
    EXPECT_TRUE(Printed(ClassListHeaderLine()));
    const auto items = Items();
    ASSERT_EQ(items.size(), 13u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].first, 120 + 20 * (1 + 20 * static_cast<int>(i % 4))) << i;
    }
    EXPECT_EQ(items[0].second, "FrstStart:   000 ");
    EXPECT_EQ(items[3].second, "BanKod   :     A ");
    EXPECT_EQ(items[12].second, "SegrTid  :EJSTAR ");
    EXPECT_EQ(Ol().competition.rec.DagStr, 1);
}

TEST_F(ClassListTest, LayoutsAsATable) {
    struct Case {
        const char* designation;
        int stages;
        int columnChars;
        int perLine;
        int pitch;
        int items;
    };
    const Case cases[] = {
        {"H21", 1, 80, 4, 20, 13},
        {"DIR1", 1, 80, 4, 20, 16},  // a direct class
        {"H21", 5, 40, 1, 47, 13},   // narrower than one item: one a line
        {"H21", 2, 100, 3, 33, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.designation + std::string(" ") + std::to_string(c.columnChars));
        KlassRec klass{};
        klass.Bet = c.designation;
        klass.StrNr = static_cast<std::int16_t>(c.stages);
        const ClassItemLayout layout = LayOutClassItems(c.columnChars, klass, Ol().competition.rec);
        EXPECT_EQ(layout.perLine, c.perLine);
        EXPECT_EQ(layout.pitch, c.pitch);
        EXPECT_EQ(layout.items, c.items);
        EXPECT_EQ(static_cast<int>(ClassItems(klass, Ol().competition.rec, layout.items).size()),
                  c.items);
    }
}

TEST_F(ClassListTest, CancelledStagesAndWinnerTimes) {
    KlassRec klass{};
    ClearKlassRec(klass, Ol().competition.rec);
    klass.StrNr = 2;
    klass.Struken[1] = 1;
    klass.SegrTid[2][0] = 2730;
    const auto items = ClassItems(klass, Ol().competition.rec, 13);
    EXPECT_EQ(items[11], "Strukna  :Struke        ");
    EXPECT_EQ(items[12], "SegrTid  :Struke 045:30 ");
}

}  // namespace
}  // namespace oltoma::ol::testing
