// The control description grid: its geometry, the symbol pictures, and
// what a cell shows for its text, on the recording printer.
#include <gmock/gmock.h>

#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "reports_fixture.h"

namespace oltoma::ol::testing {
namespace {

TEST(GridLayout, BlocksAcrossAColumnOf3000Units) {
    struct Case {
        int scale;
        int fitting;
        int blocks;
    };
    for (const Case c : {Case{10, 2, 2}, Case{12, 2, 2}, Case{30, 0, 1}, Case{1, 8, 8}}) {
        SCOPED_TRACE("scale " + std::to_string(c.scale));
        const GridLayout layout = LayoutGrid(3000, c.scale);
        EXPECT_EQ(layout.fitting, c.fitting);
        EXPECT_EQ(layout.blocks, c.blocks);
    }
}

TEST(GridLayout, CellEdgesOfTheSecondBlock) {
    // s = 10: u = 3, B = 1500, m = (1500 - 1176) / 2 = 162.
    const GridLayout layout = LayoutGrid(3000, 10);
    struct Case {
        int cell;
        int x;
    };
    for (const Case c : {Case{1, 1662}, Case{2, 1806}, Case{3, 1974}, Case{8, 2694}, Case{9, 2838},
                         Case{0, 1662}, Case{-1, 1677}, Case{-2, 1821}}) {
        SCOPED_TRACE("cell " + std::to_string(c.cell));
        EXPECT_EQ(CellOffset(layout, 2, c.cell), c.x);
    }
    EXPECT_EQ(RowHeightOf(10), 144);
    EXPECT_EQ(RowHeightOf(12), 173);
}

TEST(SymbolPictureTest, BytesAndCells) {
    std::array<std::uint8_t, kSymbolBytes> symbol{};
    symbol[0] = 255;              // band 1, strip 1, column 1: a full line
    symbol[47] = 0x80;            // band 1, strip 1, column 48: its top row
    symbol[144 + 48 + 5] = 0x01;  // band 2, strip 2, column 6: its bottom row
    struct Case {
        int cell;
        bool exi;
        int width;
        int height;
        std::vector<std::pair<int, int>> black;
        std::vector<std::pair<int, int>> white;
    };
    const Case cases[] = {
        {3, false, 48, 72, {{0, 0}, {0, 7}, {47, 0}, {5, 39}}, {{1, 0}, {47, 1}, {5, 38}, {0, 8}}},
        {2, false, 56, 72, {{47, 0}, {48, 0}, {55, 0}}, {{1, 0}, {55, 1}}},
        {4, false, 48, 72, {{0, 3}, {1, 0}, {1, 7}}, {{2, 0}}},
        {1, true, 48, 24, {{0, 0}, {1, 7}}, {{2, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("cell " + std::to_string(c.cell));
        const platform::Picture picture =
            SymbolPicture(symbol.data(), VariantOfCell(c.cell, c.exi));
        ASSERT_EQ(picture.width(), c.width);
        ASSERT_EQ(picture.height(), c.height);
        EXPECT_TRUE(picture.monochrome());
        for (const auto& [x, y] : c.black) {
            EXPECT_EQ(picture.Pixel(x, y), 0xFF000000u) << x << "," << y;
        }
        for (const auto& [x, y] : c.white) {
            EXPECT_EQ(picture.Pixel(x, y), 0xFFFFFFFFu) << x << "," << y;
        }
    }
}

class DescriptionGridTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        AddSymbol("_VU", 0x11);
        AddSymbol("_U", 0x22);
        AddSymbol("XV", 0x33);
        AddSymbol("5.1", 0x44);
    }

    // Draws one row of the controls and returns what the rows drew.
    void DrawRow(std::vector<KontrRec> controls) {
        ASSERT_TRUE(OpenReport("test", run));
        InitDescriptionDrawing();
        printer().ClearCalls();
        rowTop = CurY();
        DrawControlRow(controls, false);
        DoneDescriptionDrawing();
    }

    static KontrRec Control(std::string_view code, std::vector<std::string_view> entries) {
        KontrRec control{};
        control.KodNr = code;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            control.R[i] = entries[i];
        }
        return control;
    }

    // The pictures drawn, in order: their checksums.
    std::vector<std::uint32_t> Pictures() const {
        std::vector<std::uint32_t> sums;
        for (const CanvasCall& call : Calls(Kind::StretchDraw)) {
            sums.push_back(call.pictureChecksum);
        }
        return sums;
    }

    const CanvasCall* TextCall(std::string_view text) const {
        static CanvasCall found;
        for (const CanvasCall& call : Calls(Kind::TextOut)) {
            if (call.text == text) {
                found = call;
                return &found;
            }
        }
        return nullptr;
    }

    int rowTop = 0;
};

TEST_F(DescriptionGridTest, FramesComeFromTheirKeysOrTheFallbacks) {
    DrawRow({Control("31", {}), Control("M1", {})});
    // Per block 8 cells and the right edge; block 1 in frame VU, block 2
    // (a finish) in frame U; the right edges from "XV" as "_V" is missing.
    const std::vector<std::uint32_t> pictures = Pictures();
    ASSERT_EQ(pictures.size(), 18u);
    for (int cell = 1; cell <= 8; ++cell) {
        EXPECT_EQ(pictures[static_cast<std::size_t>(cell - 1)], ChecksumOf(0x11, cell));
        EXPECT_EQ(pictures[static_cast<std::size_t>(cell + 8)], ChecksumOf(0x22, cell));
    }
    EXPECT_EQ(pictures[8], ChecksumOf(0x33, 9));
    EXPECT_EQ(pictures[17], ChecksumOf(0x33, 9));
    EXPECT_TRUE(Texts().empty());
}

TEST_F(DescriptionGridTest, PictureSizesAndPlacesAtScaleTen) {
    DrawRow({Control("31", {})});
    const auto draws = Calls(Kind::StretchDraw);
    ASSERT_EQ(draws.size(), 9u);
    // Column 3000 wide: two blocks of 1500, margin 162 from ColumnLeft 120.
    EXPECT_EQ(draws[0].rect, (platform::Rect{282, rowTop, 282 + 144, rowTop + 144}));
    EXPECT_EQ(draws[1].rect.right - draws[1].rect.left, 168) << "cell B is 56 dots wide";
    EXPECT_EQ(draws[1].rect.left, 282 + 145);
    EXPECT_EQ(draws[8].pictureSize, (platform::Size{48, 72}));
}

TEST_F(DescriptionGridTest, CellTexts) {
    DrawRow({Control("31", {"12", "5/6", "xX", "5/6", "2_A", "ABCD", "LONGER", "5.1"}),
             Control("T3", {"", "ABCD"})});
    struct Case {
        const char* text;
        int cell;  // of block 1, or 10 + cell for block 2
        int line;
        int points;
    };
    // v = 48, h = 12 (code font) or 24 (cell font).
    const Case cases[] = {
        {"12", 1, 2, 9},   {"  /  ", 2, 2, 5},  {"5    ", 2, 1, 5}, {"    6", 2, 3, 5},
        {"xx", 3, 2, 9},   {"5    ", 4, 1, 5},  {"2    ", 5, 1, 5}, {"    A", 5, 3, 5},
        {"ABCD", 6, 2, 5}, {"LONGER", 7, 2, 5}, {"ABCD", 12, 2, 9},
    };
    const GridLayout layout = LayoutGrid(3000, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in cell " + std::to_string(c.cell));
        const int block = c.cell > 10 ? 2 : 1;
        const int cell = c.cell > 10 ? c.cell - 10 : c.cell;
        const std::vector<CanvasCall> texts = Calls(Kind::TextOut);
        const auto call = std::find_if(texts.begin(), texts.end(), [&](const CanvasCall& text) {
            return text.text == c.text && text.from.x == 120 + CellOffset(layout, block, -cell);
        });
        ASSERT_NE(call, texts.end());
        EXPECT_EQ(call->fontSize, c.points);
        const int h = c.points == 9 ? 24 : 12;
        const int offset = c.line == 1 ? h / 2 : c.line == 2 ? 48 - h : 96 - h;
        EXPECT_EQ(call->from.y, rowTop + offset);
    }
    // The symbol key "5.1" shows its picture and no text; "5/6" in cell D
    // is a thick diagonal across it.
    EXPECT_EQ(TextCall("5.1"), nullptr);
    EXPECT_EQ(Pictures()[7], ChecksumOf(0x44, 8));
    const auto lines = Calls(Kind::LineTo);
    ASSERT_EQ(lines.size(), 1u) << "only cell D has a diagonal";
    EXPECT_EQ(lines[0].penWidth, 5);
    EXPECT_EQ(lines[0].from, (platform::Point{120 + CellOffset(layout, 1, 5), rowTop}));
    EXPECT_EQ(lines[0].to, (platform::Point{120 + CellOffset(layout, 1, 4), rowTop + 144}));
    // "2_A" has nothing in its middle line; the "T" control has frame U.
    EXPECT_EQ(Pictures()[9], ChecksumOf(0x22, 1));
}

TEST_F(DescriptionGridTest, ClosingSlotsShowTheTopBandAndEmptySlotsNothing) {
    KontrRec closing{};
    closing.KodNr = "exi";
    KontrRec empty{};
    empty.KodNr = "nul";
    DrawRow({closing, empty});
    const auto draws = Calls(Kind::StretchDraw);
    ASSERT_EQ(draws.size(), 8u) << "eight top bands, no right edge, nothing for nul";
    EXPECT_EQ(draws[0].pictureChecksum, ChecksumOf(0x22, 1, true));
    EXPECT_EQ(draws[0].rect.bottom - draws[0].rect.top, 48);
    EXPECT_TRUE(Texts().empty());
}

TEST_F(DescriptionGridTest, TooLargeAScaleGivesOneBlockAndTheMessage) {
    Ol().competition.rec.banPrSkalaW = 30;
    ASSERT_TRUE(OpenReport("test", run));
    EXPECT_EQ(BlocksAcross(), 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text),
              "Utskriften får inte plats på bredden. För stor skala!");
    Ol().competition.rec.banPrSkalaW = 0;
    EXPECT_EQ(BlocksAcross(), 2);
    EXPECT_EQ(Ol().competition.rec.banPrSkalaW, 10) << "scale 0 is stored as 10";
}

TEST_F(DescriptionGridTest, OlderSymbolFormatDrawsTextsOnBlankFrames) {
    Ol().Route24FileOpen = false;  // as when RUTBESKR is the library in use
    DrawRow({Control("31", {"5.1"})});
    Ol().Route24FileOpen = true;
    for (const CanvasCall& call : Calls(Kind::StretchDraw)) {
        std::array<std::uint8_t, kSymbolBytes> blank{};
        EXPECT_EQ(call.pictureChecksum, platform::RecordingCanvas::PictureChecksum(
                                            SymbolPicture(blank.data(), VariantOfCell(1, false))))
            << "only cell A, whose picture is the blank one, is checked here";
        break;
    }
    EXPECT_TRUE(Printed("5.1")) << "the key is written as text";
}

}  // namespace
}  // namespace oltoma::ol::testing
