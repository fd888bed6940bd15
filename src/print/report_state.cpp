#include "print/report_state.h"

#include <cmath>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "platform/process_state.h"
#include "print/report_writer.h"

namespace oltoma {
namespace report_detail {

ReportState& State() {
    static ReportState state;
    return state;
}

namespace {

// No report open: the next ReportOpen starts from the first page.
void ForgetReport() {
    State() = ReportState{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetReport);

}  // namespace

platform::Printer& Printer() {
    return platform::ActivePrinter();
}

platform::Canvas& Canvas() {
    return Printer().GetCanvas();
}

bool CanDraw() {
    return !PrintAborted() && Printer().HasDeviceContext();
}

int LineHeightOf(const platform::TextMetrics& metrics) {
    return metrics.height + metrics.externalLeading;
}

int ColumnStart(int column) {
    const ReportState& state = State();
    return state.marginLeft + (column - 1) * (ColumnWidth() + state.columnGap);
}

void SyncPen() {
    Canvas().MoveTo({State().curX, State().curY});
}

void ReportPdfFailure(const std::string& pdfFile) {
    DisplayMessageUnconverted(200,
                              "Kan ej skriva PDF-filen \"" + Windows1252FromUtf8(pdfFile) + "\"");
}

}  // namespace report_detail

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

using report_detail::State;

bool PrintAborted() {
    return State().failed || report_detail::Printer().Aborted();
}

bool PrinterPrinting() {
    return report_detail::Printer().Printing();
}

bool PdfWritten() {
    return State().pdfWritten;
}

int CurrentColumn() {
    return State().currentColumn;
}
int ColumnCount() {
    return State().columnCount;
}
int PageNumber() {
    return State().pageNumber;
}
int PrintWidth() {
    return State().printWidth;
}
int PrintHeight() {
    return State().printHeight;
}
int MarginLeft() {
    return State().marginLeft;
}
int MarginTop() {
    return State().marginTop;
}
int ColumnGap() {
    return State().columnGap;
}
int FooterTop() {
    return State().printHeight + State().marginTop - 3 * State().smallLineHeight;
}
double UsedHeight() {
    return State().usedHeight;
}
int CurX() {
    return State().curX;
}
int CurY() {
    return State().curY;
}
int LineHeight() {
    return report_detail::LineHeightOf(State().metrics);
}

}  // namespace oltoma
