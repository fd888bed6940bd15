// The writer's cursor: horizontal and vertical positions in characters,
// lines and device units, text output at the cursor, headings and rules.
#include <cstdlib>

#include "platform/print/report_dialog.h"
#include "print/report_fonts.h"
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::CanDraw;
using report_detail::Canvas;
using report_detail::ReportState;
using report_detail::State;
using report_detail::SyncPen;

namespace {

constexpr std::size_t kMaxWriteText = 255;

int CharUnit() {
    return State().metrics.averageCharWidth;
}

// x of an absolute (>= 0) or relative (< 0) position of `a` units.
int HorizontalPosition(int a, int unit) {
    const ReportState& state = State();
    if (a >= 0) {
        return report_detail::ColumnStart(state.currentColumn) + a * unit;
    }
    return state.curX + std::abs(a) * unit;
}

int VerticalPosition(double b, double unit) {
    const ReportState& state = State();
    if (b >= 0) {
        return state.marginTop + RoundHalfEven(b * unit);
    }
    return state.curY + RoundHalfEven(-b * unit);
}

}  // namespace

void TabChars(int a) {
    State().curX = HorizontalPosition(a, CharUnit());
    SyncPen();
}

void GotoCharLine(int a, double b) {
    ReportState& state = State();
    state.curX = HorizontalPosition(a, CharUnit());
    state.curY = VerticalPosition(b, LineHeight());
    SyncPen();
}

void TabPixels(int a) {
    State().curX = HorizontalPosition(a, 1);
    SyncPen();
}

void GotoPixelY(int b) {
    State().curY = VerticalPosition(b, 1);
    SyncPen();
}

void WriteText(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kMaxWriteText));
    ReportState& state = State();
    if (!text.empty() && CanDraw()) {
        SyncPen();
        Canvas().TextOut({state.curX, state.curY}, text);
    }
    state.curX += Canvas().TextExtent(text).width;
    SyncPen();
}

void WriteLine(std::string_view text) {
    WriteText(text);
    GotoCharLine(1, -1);
    platform::CurrentReportDialog().ProcessEvents();
}

void Heading(std::string_view text) {
    PushFont('B');
    ReserveLines({}, 1);
    TabChars((ColumnChars() - static_cast<int>(text.size())) / 2);
    WriteLine(text);
    PopFont();
    ReserveLines({}, 1);
    WriteLine();
}

void Rule() {
    ReportState& state = State();
    PushFont('S');
    const int start = report_detail::ColumnStart(state.currentColumn);
    if (CanDraw()) {
        platform::Canvas& canvas = Canvas();
        const int penWidth = canvas.PenWidth();
        canvas.SetPen(2, 0);
        canvas.MoveTo({start + ColumnWidth() - 1, state.curY});
        canvas.LineTo({start + 1, state.curY});
        canvas.SetPen(penWidth, 0);
    }
    const int descent = state.metrics.descent;
    state.curY += descent;
    TabChars(1);
    state.usedHeight += descent;
    PopFont();
    TabChars(1);
}

int ColumnLeft() {
    return report_detail::ColumnStart(State().currentColumn);
}

int ColumnWidth() {
    const ReportState& state = State();
    return state.printWidth / state.columnCount;
}

int ColumnChars() {
    const int unit = CharUnit();
    return unit > 0 ? ColumnWidth() / unit : 0;
}

int PenY() {
    return Canvas().PenPosition().y;
}

std::uint16_t TextWidthOf(std::string_view text) {
    return static_cast<std::uint16_t>(Canvas().TextExtent(text).width);
}

void PushPos() {
    ReportState& state = State();
    if (state.positionDepth < report_detail::kStackSize) {
        state.positions[static_cast<std::size_t>(state.positionDepth)] = Canvas().PenPosition();
    }
    ++state.positionDepth;
}

void PopPos() {
    ReportState& state = State();
    if (state.positionDepth <= 0) {
        return;
    }
    --state.positionDepth;
    if (state.positionDepth < report_detail::kStackSize) {
        Canvas().MoveTo(state.positions[static_cast<std::size_t>(state.positionDepth)]);
    }
}

}  // namespace oltoma
