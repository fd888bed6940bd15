#include "platform/print/recording_canvas.h"

#include <gtest/gtest.h>

#include "platform/print/recording_printer.h"

namespace oltoma::platform {
namespace {

FontDescription FontOf(int points) {
    FontDescription font;
    font.pixelsPerInch = 240;
    font.SetSize(points);
    return font;
}

TEST(RecordingCanvas, MetricsFollowTheDocumentedFormula) {
    RecordingPrinter printer;  // 240 dpi
    Canvas& canvas = printer.GetCanvas();
    canvas.SetFont(FontOf(12));
    TextMetrics metrics;
    ASSERT_TRUE(canvas.GetTextMetrics(metrics));
    EXPECT_EQ(metrics.height, 40);  // 12 * 240 / 72
    EXPECT_EQ(metrics.descent, 8);
    EXPECT_EQ(metrics.externalLeading, 4);
    EXPECT_EQ(metrics.averageCharWidth, 20);
    EXPECT_EQ(canvas.TextExtent("abc"), (Size{60, 40}));
    canvas.SetMapMode(MapMode::LowMetric);  // 12 points = 42.3 tenths of a mm
    ASSERT_TRUE(canvas.GetTextMetrics(metrics));
    EXPECT_EQ(metrics.height, 42);
}

TEST(RecordingCanvas, LogsOnlyWhileAJobRuns) {
    RecordingPrinter printer;
    Canvas& canvas = printer.GetCanvas();
    canvas.SetFont(FontOf(12));
    canvas.SetTextAlignUpdatePosition(true);
    canvas.TextOut({0, 0}, "lost");
    ASSERT_TRUE(printer.Select({}));
    ASSERT_TRUE(printer.BeginDoc());
    canvas.MoveTo({100, 50});
    canvas.TextOut({0, 0}, "ab");
    canvas.TextOut({0, 0}, "c");
    printer.NewPage();
    canvas.LineTo({10, 10});
    printer.EndDoc();
    const std::vector<CanvasCall>& calls = printer.calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[1].from, (Point{100, 50}));
    EXPECT_EQ(calls[2].from, (Point{140, 50}));  // the pen advanced by "ab"
    EXPECT_EQ(calls[4].kind, CanvasCall::Kind::LineTo);
    EXPECT_EQ(calls[4].page, 2);
    EXPECT_EQ(calls[4].from, (Point{160, 50}));
}

TEST(RecordingCanvas, DrawTextMeasuresWrappedLines) {
    RecordingPrinter printer;
    Canvas& canvas = printer.GetCanvas();
    canvas.SetFont(FontOf(12));  // 20 units a character, lines of 40 (+4 leading)
    const unsigned calc = DrawTextFlag::kCalculateRect | DrawTextFlag::kExternalLeading;
    Rect rect{0, 0, 200, 0};  // ten characters a line
    EXPECT_EQ(canvas.DrawText("one two three four", rect, calc | DrawTextFlag::kWordBreak), 88);
    EXPECT_EQ(rect, (Rect{0, 0, 200, 88}));  // "one two" / "three four"
    rect = {0, 0, 200, 0};
    canvas.DrawText("one two three four", rect, calc);  // no word break: one line
    EXPECT_EQ(rect, (Rect{0, 0, 360, 44}));
    canvas.SetMapMode(MapMode::LowMetric);  // y up: the block grows downwards
    rect = {0, -100, 1000, -200};
    canvas.DrawText("a\r\nbc", rect, DrawTextFlag::kCalculateRect);
    EXPECT_EQ(rect.bottom, -100 - 2 * 42);
    EXPECT_EQ(rect.right, 2 * 21);
}

TEST(RecordingPrinter, SelectsOnlyInstalledQueues) {
    RecordingPrinter printer;
    EXPECT_FALSE(printer.BeginDoc()) << "nothing selected yet";
    EXPECT_FALSE(printer.Select({"absent"}));
    EXPECT_TRUE(printer.Select({"oltoma-test"}));
    EXPECT_EQ(printer.CurrentName(), "oltoma-test");
    RecordingPrinter none(RecordingPrinter::Device{{}, "", 100, 100, 100, true});
    EXPECT_FALSE(none.Select({}));
    EXPECT_FALSE(none.BeginDoc());
}

}  // namespace
}  // namespace oltoma::platform
