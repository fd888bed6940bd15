#include "labels/label_print.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"
#include "label_print_fixture.h"
#include "labels/label_geometry.h"
#include "platform/print/picture_loader.h"
#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

using platform::CanvasCall;
using testing::LabelPrintTest;
using testing::Painted;

std::vector<std::tuple<std::string, int, int>> Grid(const std::vector<Painted>& painted) {
    std::vector<std::tuple<std::string, int, int>> grid;
    for (const Painted& place : painted) {
        grid.emplace_back(place.text, place.row, place.column);
    }
    return grid;
}

TEST(LabelGeometry, PlacesAreCentredInTheirPitchRoundedHalvesToEven) {
    LabelSetting setting;
    testing::UseLaser3x8(setting);
    // Row spare (360 - 320) / 2 = 20, column spare (703 - 600) / 2 = 51.5.
    EXPECT_EQ(LabelPlace(setting, 1, 1), (platform::Rect{2, 0, 602, -320}));
    EXPECT_EQ(LabelPlace(setting, 1, 2), (platform::Rect{704, 0, 1304, -320}));
    EXPECT_EQ(LabelPlace(setting, 8, 3), (platform::Rect{1408, -2520, 2008, -2840}));
    setting.rowPitch = 361;  // spare 20.5: 0.5 rounds to 0, 320.5 to 320, 361.5 to 362
    EXPECT_EQ(LabelPlace(setting, 1, 1).top, 0);
    EXPECT_EQ(LabelPlace(setting, 1, 1).bottom, -320);
    EXPECT_EQ(LabelPlace(setting, 2, 1).top, -362);
}

TEST_F(LabelPrintTest, CopiesRunAcrossRowsAndDownTheSheet) {
    WorkingLabelSetting().copies = 2;
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    for (const char* text : {"A", "B", "C", "D"}) {
        PrintLabel(text, Record, 0);
    }
    EXPECT_EQ(Grid(painted()), (std::vector<std::tuple<std::string, int, int>>{{"A", 1, 1},
                                                                               {"A", 1, 2},
                                                                               {"B", 1, 3},
                                                                               {"B", 2, 1},
                                                                               {"C", 2, 2},
                                                                               {"C", 2, 3},
                                                                               {"D", 3, 1},
                                                                               {"D", 3, 2}}));
    EXPECT_EQ(painted()[4].place, LabelPlace(WorkingLabelSetting(), 2, 2));
}

TEST_F(LabelPrintTest, AFullSheetStartsTheNext) {
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    for (int i = 1; i <= 25; ++i) {
        PrintLabel(std::to_string(i), Record, 0);
    }
    ASSERT_EQ(painted().size(), 25u);
    EXPECT_EQ(painted()[23], (Painted{"24", 1, 8, 3, LabelPlace(WorkingLabelSetting(), 8, 3)}));
    EXPECT_EQ(painted()[24], (Painted{"25", 2, 1, 1, LabelPlace(WorkingLabelSetting(), 1, 1)}));
    EXPECT_EQ(Calls(CanvasCall::Kind::NewPage).size(), 1u);
    EXPECT_NE(std::find(dialog.statuses.begin(), dialog.statuses.end(),
                        std::make_pair(2, std::string("Ark nr:  2"))),
              dialog.statuses.end());
}

TEST_F(LabelPrintTest, APlaceOffThePageMovesToANewSheet) {
    WorkingLabelSetting().rows = 10;  // row 9 starts 288 mm down, row 10 297 mm: off A4
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    for (int i = 1; i <= 28; ++i) {
        PrintLabel(std::to_string(i), Record, 0);
    }
    EXPECT_EQ(painted()[26], (Painted{"27", 1, 9, 3, LabelPlace(WorkingLabelSetting(), 9, 3)}));
    EXPECT_EQ(painted()[27], (Painted{"28", 2, 1, 1, LabelPlace(WorkingLabelSetting(), 1, 1)}));
    EndLabelPrint();

    // Nine across are printed as eight; the fourth column lies off the page.
    painted().clear();
    WorkingLabelSetting().across = 9;
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    for (const char* text : {"A", "B", "C", "D"}) {
        PrintLabel(text, Record, 0);
    }
    EXPECT_EQ(WorkingLabelSetting().across, 8);
    EXPECT_EQ(painted()[3], (Painted{"D", 2, 1, 1, LabelPlace(WorkingLabelSetting(), 1, 1)}));
    EndLabelPrint();
    EXPECT_EQ(WorkingLabelSetting().across, 9);
}

TEST_F(LabelPrintTest, ASettingWhoseFirstPlaceDoesNotFitPrintsNothing) {
    WorkingLabelSetting().topMargin = 2950;  // the first row's top 297 mm down
    EXPECT_FALSE(StartLabelPrint("etiketter", 0));
    EXPECT_TRUE(PrintAborted());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text),
              "Etiketterna ryms inte på sidan med etikettinställningen \"Laser 3x8\"");
    EndLabelPrint();
    EXPECT_TRUE(Calls(CanvasCall::Kind::DrawText).empty());
    EXPECT_EQ(printer.jobsEnded(), 0);

    WorkingLabelSetting().topMargin = 2949;
    WorkingLabelSetting().leftMargin = -500;  // negative margins fit
    EXPECT_TRUE(StartLabelPrint("etiketter", 0));
}

TEST_F(LabelPrintTest, CopiesBelowOneAreAskedFor) {
    struct Case {
        int answer;
        std::size_t places;
    };
    for (const Case& c : {Case{0, 0}, Case{-3, 0}, Case{2, 2}}) {
        painted().clear();
        WorkingLabelSetting().copies = 0;
        numbers.answers = {c.answer};
        ASSERT_TRUE(StartLabelPrint("etiketter", 0));
        PrintLabel("A", Record, 0);
        EndLabelPrint();
        EXPECT_EQ(painted().size(), c.places) << c.answer;
        EXPECT_EQ(numbers.asked.back().prompt, "Antal kopior:");
        EXPECT_EQ(WorkingLabelSetting().copies, 1);
    }
}

TEST_F(LabelPrintTest, TextFitsInTheLargestFontCentredWithYUp) {
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    const platform::Rect place = LabelPlace(WorkingLabelSetting(), 1, 1);
    PaintLabel(place, "AB", 0);
    const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].fontSize, 16);
    // Spare width 600 - 56 = 544, spare height 320 - 61 = 259 (129.5 to 130).
    EXPECT_EQ(drawn[0].rect.left, place.left + 272);
    EXPECT_EQ(drawn[0].rect.top, place.top - 130);
    EXPECT_EQ(drawn[0].flags, platform::DrawTextFlag::kWordBreak | platform::DrawTextFlag::kNoClip |
                                  platform::DrawTextFlag::kExternalLeading);
    EXPECT_NE(std::find(dialog.statuses.begin(), dialog.statuses.end(),
                        std::make_pair(3, std::string("Antal :  1"))),
              dialog.statuses.end());
}

TEST_F(LabelPrintTest, LongerTextsFallBackToSmallerFonts) {
    struct Case {
        int lines;  // of 20 characters, each a word
        int points;
    };
    // A label 600 wide and 320 high holds 21 characters of 28 and 5 lines of
    // 61 in "B"; 28 of 21 and 6 of 46 in "N"; 8 of 38 in "S".
    for (const Case& c : {Case{5, 16}, Case{6, 12}, Case{8, 10}, Case{9, 8}}) {
        printer.ClearCalls();
        std::string text;
        for (int i = 0; i < c.lines; ++i) {
            text += (i == 0 ? "" : "\r\n") + std::string(20, 'x');
        }
        ASSERT_TRUE(StartLabelPrint("etiketter", 0));
        PaintLabel(LabelPlace(WorkingLabelSetting(), 1, 1), text, 0);
        const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].fontSize, c.points) << c.lines;
        EndLabelPrint();
    }
}

TEST_F(LabelPrintTest, TextFittingNoFontIsDrawnFromTheTopLeftInTheSmallestHalfFont) {
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    const platform::Rect place = LabelPlace(WorkingLabelSetting(), 2, 2);
    PaintLabel(place, std::string(200, 'x'), 0);
    const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::DrawText);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].fontSize, 5);
    EXPECT_EQ(drawn[0].rect, place);
}

// Reads every file as a 4 x 3 picture and remembers the names asked for.
class AnyPicture final : public platform::PictureFileReader {
public:
    std::vector<std::string> read;
    platform::Picture Read(const std::string& path) override {
        read.push_back(path);
        return platform::Picture(4, 3);
    }
};

TEST_F(LabelPrintTest, PictureLabelsStretchTheirPictureOverThePlace) {
    AnyPicture pictures;
    platform::PictureFileReader* previous = platform::BindPictureFileReader(&pictures);
    ASSERT_TRUE(StartLabelPrint("etiketter", 0));
    const platform::Rect place = LabelPlace(WorkingLabelSetting(), 1, 3);
    PaintLabel(place, "BITMAP/bilder/logga.png\r\nrad två", 0);
    PaintLabel(place, "min bitmap /bilder/karta.bmp", 0);
    platform::BindPictureFileReader(previous);
    EXPECT_EQ(pictures.read, (std::vector<std::string>{"/bilder/logga.png", " /bilder/karta.bmp"}));
    const std::vector<CanvasCall> drawn = Calls(CanvasCall::Kind::StretchDraw);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].rect, place);
    EXPECT_TRUE(Calls(CanvasCall::Kind::DrawText).empty());
}

TEST_F(LabelPrintTest, NoPrinterPrintsNothingAndRestoresTheSetting) {
    platform::RecordingPrinter none({.installed = {}});
    platform::BindPrinter(&none);
    WorkingLabelSetting().copies = 0;
    WorkingLabelSetting().across = 9;
    EXPECT_FALSE(StartLabelPrint("etiketter", 0));
    EndLabelPrint();
    EXPECT_EQ(WorkingLabelSetting().across, 9);
    EXPECT_EQ(WorkingLabelSetting().copies, 1);
    platform::BindPrinter(&printer);
}

}  // namespace
}  // namespace oltoma::labels
