// Page and column breaks: the footer of a page, the continuation header of
// the next one, and the top of a new column.
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/time/clock_text.h"
#include "platform/print/report_dialog.h"
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::CanDraw;
using report_detail::Canvas;
using report_detail::Printer;
using report_detail::ReportState;
using report_detail::State;

namespace {

constexpr std::size_t kFooterTextPart = 65;
constexpr std::size_t kFooterLine = 94;

std::string Quoted(std::string_view title) {
    return "\"" + std::string(title) + "\"";
}

// A footer line centred across the printable width with its top at y.
void FooterLine(const std::string& text, int y) {
    if (text.empty() || !CanDraw()) {
        return;
    }
    const ReportState& state = State();
    const int width = Canvas().TextExtent(text).width;
    Canvas().MoveTo({state.marginLeft + (state.printWidth - width) / 2, y});
    Canvas().TextOut({}, text);
}

void Footer(int mode, std::string_view title, int ybase, int smallLineHeight) {
    const ReportState& state = State();
    if (CanDraw()) {
        Canvas().MoveTo({state.marginLeft + state.printWidth - 1, ybase});
        Canvas().LineTo({state.marginLeft + 1, ybase});
    }
    RefreshClock();
    std::string first = title.empty() ? std::string() : Quoted(title) + " ";
    if (mode == 1) {
        first += "forts... ";
    }
    FooterLine(first, ybase + smallLineHeight);
    std::string second = WorkingPrintSetting().fottext.str() + " ";
    second = second.substr(0, kFooterTextPart) + ClockPart(21);
    FooterLine(second.substr(0, kFooterLine), ybase + 2 * smallLineHeight);
}

void ContinuationHeader(std::string_view title) {
    const ReportState& state = State();
    GotoCharLine(0, 0);
    ReserveLines({}, 2);
    std::string text = "forts.. ";
    if (!title.empty()) {
        text += Quoted(title);
    }
    text += " sida: " + IntSpacePadded(state.pageNumber, 3);
    TabChars((ColumnChars() - static_cast<int>(text.size())) / 2);
    WriteLine(text);
    Rule();
    WriteLine();
}

}  // namespace

void PageBreak(bool withoutFooter, int mode, std::string_view title) {
    ReportState& state = State();
    const bool outerBreak = !state.breaking;
    state.breaking = true;
    PushFont('S');
    const int smallLineHeight = LineHeight();
    const int ybase = state.printHeight + state.marginTop - 3 * smallLineHeight;
    if (!withoutFooter && !PrintAborted()) {
        Footer(mode, title, ybase, smallLineHeight);
    }
    PopFont();
    if (mode == 0) {
        PopFont();
        if (!PrintAborted()) {
            Printer().EndDoc();
            if (!state.pdfFile.empty()) {
                state.pdfWritten = !Printer().OutputFailed();
                if (!state.pdfWritten) {
                    report_detail::ReportPdfFailure(state.pdfFile);
                }
            }
        }
        state.breaking = !outerBreak;
        return;
    }
    if (!PrintAborted()) {
        Printer().NewPage();
    }
    PushFont('S');
    state.usedHeight = 0;
    ++state.jobPages;
    ++state.pageNumber;
    platform::CurrentReportDialog().SetPages(IntSpacePadded(state.jobPages, 3));
    if (withoutFooter) {
        PopFont();
    } else {
        ContinuationHeader(title);
        PopFont();
        TabChars(1);
    }
    state.breaking = !outerBreak;
}

void NextColumnOrPage(bool withoutFooter, int mode, std::string_view title) {
    ReportState& state = State();
    ++state.currentColumn;
    if (state.currentColumn > state.columnCount) {
        state.currentColumn = 1;
        PageBreak(withoutFooter, mode, title);
        return;
    }
    const bool outerBreak = !state.breaking;
    state.breaking = true;
    GotoCharLine(0, 0);
    state.usedHeight = 0;
    ReserveLines({}, 2);
    WriteLine();
    WriteLine();
    state.breaking = !outerBreak;
}

}  // namespace oltoma
