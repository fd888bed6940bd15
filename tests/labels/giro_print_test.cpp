#include "labels/giro_print.h"

#include <gtest/gtest.h>

#include "label_print_fixture.h"
#include "labels/giro_file.h"
#include "labels/label_geometry.h"
#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

using platform::CanvasCall;

// The default "Giro/Startkort" setting: one form across, three down, 101.6
// mm apart; its first place is {-60, 40, 1790, -976}.
class GiroPrintTest : public testing::LabelPrintTest {
protected:
    GiroPrintTest() {
        LabelSetting& setting = WorkingLabelSetting();
        setting.leftMargin = -60;
        setting.labelHeight = 1016;
        setting.rowPitch = 1016;
        setting.columnPitch = 1850;
        setting.labelWidth = 1850;
        setting.topMargin = -40;
        setting.across = 1;
        setting.rows = 3;
        GiroRec() = TGiroRec{};
    }

    platform::Rect FirstPlace() const { return LabelPlace(WorkingLabelSetting(), 1, 1); }
};

TEST(GiroBoxes, PitchesRoundHalvesToEvenWithGapsAndTheDecimalPoint) {
    struct Case {
        Tgirotyp kind;
        GiroField field;
        int placeLeft;
        std::vector<int> steps;  // from each box's left edge to the next one's
    };
    const Case cases[] = {
        // 63.5 from the odd edge 1795: 63, from the even 1732: 64; the
        // decimal point takes no box but 34; a gap of 7 after the 5th digit.
        {Tgirotyp::postgiro, GiroField::AttBetala, -60, {63, 64 + 34, 64, 64, 64 + 7, 63, 64}},
        // From the odd edge 1785 the first step is 63; every edge after it
        // is even and moves 64.
        {Tgirotyp::postgiro, GiroField::TillG, 0, {63, 64, 64, 64, 64, 64, 64, 64, 64}},
        // 36.3: every edge moves 36; the point has a box of its own.
        {Tgirotyp::plusgiro, GiroField::AttBetala, -60, {36, 36, 36, 36, 36 + 4, 36, 36, 36 + 4}},
    };
    for (const Case& c : cases) {
        const std::vector<FieldExtent> boxes =
            BoxesOf(*FindGiroField(c.kind, c.field), c.placeLeft);
        std::vector<int> steps;
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            steps.push_back(boxes[i - 1].left - boxes[i].left);
        }
        EXPECT_EQ(steps, c.steps) << static_cast<int>(c.kind);
    }
}

TEST_F(GiroPrintTest, AmountsAreWrittenBoxByBoxFromTheRight) {
    struct Case {
        Tgirotyp kind;
        const char* amount;
        const char* drawn;  // right to left
    };
    const Case cases[] = {
        {Tgirotyp::postgiro, "150", "00051"},     {Tgirotyp::postgiro, "12345", "0054321"},
        {Tgirotyp::postgiro, "", "00"},           {Tgirotyp::plusgiro, "150", "00.051"},
        {Tgirotyp::plusgiro, "150.50", "05.051"},
    };
    for (const Case& c : cases) {
        printer.ClearCalls();
        ASSERT_TRUE(StartLabelPrint("giroblanketter", 0));
        DrawBoxes(c.amount, FirstPlace(), c.kind, GiroField::AttBetala);
        const std::vector<FieldExtent> boxes =
            BoxesOf(*FindGiroField(c.kind, GiroField::AttBetala), FirstPlace().left);
        std::string texts;
        const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            texts += drawn[i].text;
            const int left = drawn[i].rect.left - FirstPlace().left;
            EXPECT_GE(left, boxes.at(i).left) << c.amount << " " << i;
            EXPECT_LT(left, boxes.at(i).right) << c.amount << " " << i;
        }
        EXPECT_EQ(texts, c.drawn) << c.amount;
        EndLabelPrint();
    }
}

TEST_F(GiroPrintTest, TheFirstBoxIsWhereTheTableSaysInsideThePlace) {
    ASSERT_TRUE(StartLabelPrint("giroblanketter", 0));
    DrawBoxes("7", FirstPlace(), Tgirotyp::postgiro, GiroField::TillG);
    const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
    ASSERT_EQ(drawn.size(), 1u);
    // Box (1785, 140, 1835, 220) of the place at (-60, 40): "7" in 16 points
    // (28 wide, 56 high) centred: 11 right, 12 down.
    EXPECT_EQ(drawn[0].rect.left, -60 + 1785 + 11);
    EXPECT_EQ(drawn[0].rect.top, 40 - 140 - 12);
    EXPECT_EQ(drawn[0].fontSize, 16);
}

TEST_F(GiroPrintTest, TheBankgiroAmountIsRightAligned) {
    GiroRec().AttBetala = "150";
    ASSERT_TRUE(StartLabelPrint("giroblanketter", 0));
    PaintGiroSlip(FirstPlace(), {}, static_cast<int>(Tgirotyp::bankgiro));
    const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
    ASSERT_EQ(drawn.size(), 1u);  // empty fields print nothing
    EXPECT_EQ(drawn[0].text, "150");
    EXPECT_EQ(drawn[0].rect.right, -60 + 1100);
    EXPECT_TRUE(drawn[0].flags & platform::DrawTextFlag::kRight);
    EXPECT_EQ(drawn[0].fontSize, 12);  // 16 points are 56 high, the field 55
}

TEST_F(GiroPrintTest, SlipsOfAllKindsPlaceTheirFields) {
    GiroRec().Mottagare = "Klubben";
    GiroRec().Referens = "R1";
    GiroRec().TillG = "12";
    const platform::Rect place = FirstPlace();
    struct Case {
        Tgirotyp kind;
        int payeeLeft;  // of the payee's rectangle
        int payeeTop;
        std::string texts;
    };
    for (const Case& c : {Case{Tgirotyp::plusgiro, 1100, 185, "12Klubben00."},
                          Case{Tgirotyp::postgiro, 1170, 255, "1R21Klubben00"},
                          Case{Tgirotyp::bankgiro, 1150, 420, "12Klubben"}}) {
        printer.ClearCalls();
        ASSERT_TRUE(StartLabelPrint("giroblanketter", 0));
        PaintGiroSlip(place, {}, static_cast<int>(c.kind));
        std::string texts;
        for (const CanvasCall& call : Calls(CanvasCall::Kind::DrawText)) {
            texts += call.text;
            if (call.text == "Klubben") {
                EXPECT_GT(call.rect.left, place.left + c.payeeLeft);
                EXPECT_LT(call.rect.top, place.top - c.payeeTop);
            }
        }
        EXPECT_EQ(texts, c.texts);
        EndLabelPrint();
    }
}

TEST_F(GiroPrintTest, CopiesTimesSlipsFillTwoSheets) {
    GiroRec().Mottagare = "Klubben";
    WorkingLabelSetting().copies = 2;
    EXPECT_TRUE(PrintGiroSlips(Tgirotyp::bankgiro, 3, 0));
    std::vector<std::pair<int, int>> payees;  // page, top
    for (const CanvasCall& call : Calls(CanvasCall::Kind::DrawText)) {
        payees.emplace_back(call.page, call.rect.top);
    }
    ASSERT_EQ(payees.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(payees[i].first, 1 + i / 3);
        EXPECT_EQ(payees[i].second, payees[i % 3].second);
    }
    EXPECT_EQ(payees[1].second - payees[0].second, -1016);
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_EQ(dialog.statuses.front(),
              std::make_pair(1, std::string("utskrift av giroblanketter")));
}

TEST_F(GiroPrintTest, NoCopiesPrintNothing) {
    EXPECT_FALSE(PrintGiroSlips(Tgirotyp::bankgiro, 0, 0));
    EXPECT_TRUE(printer.jobTitles().empty());
}

}  // namespace
}  // namespace oltoma::labels
