// Vertical accounting: a line is written only when it fits above the footer
// of the current column; otherwise the writer breaks to the next column or
// page first.
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::ReportState;
using report_detail::State;

namespace {

bool Fits(double h) {
    const ReportState& state = State();
    return state.printHeight - 1 > state.usedHeight + h + 3 * state.smallLineHeight;
}

// A break is made only outside the layout of another break, so a page too
// small for its own header cannot break forever.
bool MayBreak() {
    return State().open && !State().breaking;
}

}  // namespace

void ReserveSpace(std::string_view title, double h) {
    if (!Fits(h) && MayBreak()) {
        NextColumnOrPage(false, 1, title);
    }
    State().usedHeight += h;
}

void ReserveLines(std::string_view title, double n) {
    ReserveSpace(title, n * LineHeight());
}

bool RoomFor(bool breakPage, double h) {
    const bool fits = Fits(h);
    if (!fits && breakPage && MayBreak()) {
        NextColumnOrPage(false, 1, {});
        ReportState& state = State();
        state.usedHeight = 2 * state.smallLineHeight + state.metrics.descent;
    }
    return fits;
}

bool RoomForLines(bool breakPage, double n) {
    return RoomFor(breakPage, n * LineHeight());
}

bool RoomForLinesPlus(bool breakPage, double n, double extra) {
    return RoomFor(breakPage, n * LineHeight() + extra);
}

}  // namespace oltoma
