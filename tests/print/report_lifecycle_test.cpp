// Opening and ending reports when things go wrong: no printer, no device
// context, the user's Cancel, unbalanced fonts.
#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "platform/process_state.h"
#include "print/printer_block_setup.h"
#include "report_fixture.h"

namespace oltoma::testing {
namespace {

using Kind = platform::CanvasCall::Kind;

// A configuration file of random bytes loads as long as its size is right:
// its printer names must not bring garbage to the progress dialog.
TEST(PrinterDeviceText, NamesAreCutAtTheirFirstByteThatIsNoText) {
    PrinterBlock block{};
    block.deviceName = "laser\x01\xFF";
    block.driverName = "\x9D";
    block.portName = "usb:";
    EXPECT_EQ(PrinterDeviceText(block), "laser,,usb:");
}

TEST_F(ReportFixture, NoPrinterInstalledOpensNothingAndEndsHarmlessly) {
    platform::RecordingPrinter none(platform::RecordingPrinter::Device{{}, "", 2000, 2800, 240});
    platform::Printer* previous = platform::BindPrinter(&none);
    EXPECT_FALSE(Open(1));
    WriteLine("nothing");
    PrintClosingPictures();
    ReportEnd(false);
    EXPECT_TRUE(none.calls().empty());
    EXPECT_FALSE(dialog.open);
    EXPECT_TRUE(boxes.shown.empty());
    platform::BindPrinter(nullptr);  // the stand-in of an unbound program
    EXPECT_FALSE(Open(1));
    ReportEnd(false);
    platform::BindPrinter(previous);
}

TEST_F(ReportFixture, NamedPrinterThatIsGoneFallsBackToTheDefault) {
    block = TestPrinterBlock(1);
    block->deviceName = "removed-queue";
    ASSERT_TRUE(ReportOpen("t", *block, 0));
    EXPECT_EQ(printer.CurrentName(), "oltoma-test");
    ASSERT_EQ(printer.jobTitles().size(), 1u);
    EXPECT_EQ(printer.jobTitles()[0], "OltomaW64:t");
}

TEST_F(ReportFixture, NoDeviceContextShowsTheMessageAndPrintsNothing) {
    platform::RecordingPrinter blind(
        platform::RecordingPrinter::Device{{"oltoma-test"}, "oltoma-test", 2000, 2800, 240, false});
    platform::Printer* previous = platform::BindPrinter(&blind);
    ASSERT_TRUE(Open(1));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              Windows1252FromUtf8("Kan ej skapa vald skrivare enligt inställningar"));
    EXPECT_TRUE(PrintAborted());
    for (int i = 0; i < 200; ++i) {
        ReserveLines("t", 1);
        WriteLine("line");
    }
    PrintClosingPictures();
    ReportEnd(false);
    for (const platform::CanvasCall& call : blind.calls()) {
        EXPECT_TRUE(call.kind == Kind::BeginDoc || call.kind == Kind::Abort) << call.Describe();
    }
    EXPECT_EQ(boxes.shown.size(), 1u);
    platform::BindPrinter(previous);
}

TEST_F(ReportFixture, CancelAbortsTheJobAndSkipsEveryDrawing) {
    ASSERT_TRUE(Open(1));
    WriteLine("before");
    ASSERT_TRUE(dialog.cancel);
    dialog.cancel();
    EXPECT_TRUE(PrintAborted());
    const std::size_t logged = printer.calls().size();
    for (int i = 0; i < 100; ++i) {
        ReserveLines("t", 1);
        WriteLine("after");
        Rule();
    }
    PushFont('B');
    PopFont();
    PrintClosingPictures();
    ReportEnd(false);
    EXPECT_EQ(printer.calls().size(), logged);
    EXPECT_EQ(printer.calls().back().kind, Kind::Abort);
    EXPECT_EQ(printer.jobsEnded(), 0);
    EXPECT_EQ(FontDepth(), 0);
    EXPECT_FALSE(dialog.open);
}

TEST_F(ReportFixture, ThirteenthFontPushChangesNothingAndStaysBalanced) {
    ASSERT_TRUE(Open(1));
    for (int depth = 2; depth <= 12; ++depth) {
        PushFont('S');
    }
    ASSERT_EQ(FontDepth(), 12);
    const platform::FontDescription small = printer.GetCanvas().Font();
    SetMessageLine("");
    PushFont('B');
    EXPECT_EQ(FontDepth(), 13);
    EXPECT_EQ(printer.GetCanvas().Font(), small);
    EXPECT_EQ(MessageLine.view(), " 13 pushfont>12");
    EXPECT_TRUE(boxes.shown.empty()) << "a code-1 message is only recorded";
    PopFont();
    EXPECT_EQ(FontDepth(), 12);
    EXPECT_EQ(printer.GetCanvas().Font(), small);
    for (int depth = 12; depth > 1; --depth) {
        PopFont();
    }
    EXPECT_EQ(printer.GetCanvas().Font().Size(), 12);
    ReportEnd(false);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReportFixture, FontsLeftPushedAreReportedAndPopped) {
    ASSERT_TRUE(Open(1));
    PushFont('B');
    ReportEnd(false);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "  1 savefontc<>0 prexit");
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_EQ(FontDepth(), 0);
}

TEST_F(ReportFixture, ProgressCountsAndStatusLines) {
    ASSERT_TRUE(Open(1));
    ShowProgress(3, 8);
    EXPECT_EQ(dialog.counts, "    3|[    8]");
    EXPECT_EQ(dialog.progress, 38);
    ShowProgress(7, 0);
    EXPECT_EQ(dialog.progress, 7);
    ShowStatus(4, "unused line");
    ShowStatus(2, "Ark nr:  2");
    ASSERT_EQ(dialog.statuses.size(), 1u);
    EXPECT_EQ(dialog.statuses[0].first, 2);
}

TEST_F(ReportFixture, PagesAreCountedInTheDialog) {
    ASSERT_TRUE(Open(1));
    PageBreak(false, 1, "t");
    EXPECT_EQ(dialog.pages, "  2");
    EXPECT_EQ(PageNumber(), 2);
}

// The reset between independent jobs in one process forgets a report left
// open (the printer's own job is the printer's business).
TEST_F(ReportFixture, ProcessStateResetForgetsAnOpenReport) {
    ASSERT_TRUE(Open(2));
    WriteLine("line");

    platform::ResetProcessState();

    EXPECT_EQ(ColumnCount(), 1);
    EXPECT_EQ(PageNumber(), 1);
    EXPECT_EQ(CurY(), 0);
}

}  // namespace
}  // namespace oltoma::testing
