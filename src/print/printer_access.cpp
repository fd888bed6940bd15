#include "print/printer_access.h"

#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::CanDraw;
using report_detail::Canvas;
using report_detail::Printer;

platform::Canvas* PrinterCanvas() {
    return Printer().HasDeviceContext() ? &Canvas() : nullptr;
}

void PrinterSetMapMode(platform::MapMode mode) {
    Canvas().SetMapMode(mode);
}

void PrinterSetTextAlign(bool updatePosition) {
    Canvas().SetTextAlignUpdatePosition(updatePosition);
}

void PrinterMoveTo(int x, int y) {
    if (!PrintAborted()) {
        Canvas().MoveTo({x, y});
    }
}

void PrinterLineTo(int x, int y, int penWidth) {
    if (!CanDraw()) {
        return;
    }
    platform::Canvas& canvas = Canvas();
    const int previous = canvas.PenWidth();
    canvas.SetPen(penWidth, 0);
    canvas.LineTo({x, y});
    canvas.SetPen(previous, 0);
}

void PrinterTextOut(int x, int y, std::string_view text) {
    if (CanDraw()) {
        Canvas().TextOut({x, y}, text);
    }
}

int PrinterDrawText(std::string_view text, platform::Rect& rect, unsigned flags) {
    const bool measure = (flags & platform::DrawTextFlag::kCalculateRect) != 0;
    if (PrintAborted() || (!measure && !CanDraw())) {
        return 0;
    }
    return Canvas().DrawText(text, rect, flags);
}

void PrinterNewPage() {
    if (!PrintAborted() && Printer().Printing()) {
        Printer().NewPage();
    }
}

void PrinterAbort() {
    if (Printer().Printing()) {
        Printer().Abort();
    }
}

int PrinterPageWidth() {
    return Printer().PageWidth();
}

int PrinterPageHeight() {
    return Printer().PageHeight();
}

}  // namespace oltoma
