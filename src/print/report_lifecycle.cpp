// Opening, beginning and ending a report.
#include <algorithm>

#include "base/messages/messages.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "platform/print/report_dialog.h"
#include "print/printer_block_setup.h"
#include "print/report_fonts.h"
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::Canvas;
using report_detail::Printer;
using report_detail::ReportState;
using report_detail::State;

namespace {

constexpr int kMaxColumns = 9;
constexpr std::size_t kMaxTitle = 64;

void CancelJob() {
    if (Printer().Printing()) {
        Printer().Abort();
    }
}

// Selects the block's printer; when it is no longer installed, the default
// printer prints instead of nothing. A PDF job keeps the block's printer
// for its page, installed or not.
void SelectPrinter(const PrinterBlock& block, const ReportOutput& output) {
    platform::PrinterSetup setup = PrinterSetupFromBlock(block);
    setup.pdfFile = output.pdfFile;
    if (!Printer().Select(setup)) {
        setup.deviceName.clear();
        Printer().Select(setup);
    }
}

std::uint16_t ClampToWord(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 65535));
}

void SetGeometry(const PrinterBlock& block) {
    ReportState& state = State();
    const int pageWidth = Printer().PageWidth();
    const int pageHeight = Printer().PageHeight();
    const DeviceMargins margins =
        MarginsFromBlock(block, state.pdfFile.empty() ? 0 : Printer().ResolutionX());
    state.marginLeft = std::max(0, margins.left);
    state.marginTop = std::max(0, margins.top);
    state.marginBottom = std::max(0, margins.bottom);
    int rightMargin = std::max(0, margins.right);
    if (state.columnCount > 1 && rightMargin == 0) {
        rightMargin = RoundHalfEven((pageWidth - state.marginLeft) * 0.05);
    }
    state.columnGap = RoundHalfEven(static_cast<double>(rightMargin) / state.columnCount);
    state.printWidth = ClampToWord(pageWidth - state.marginLeft - state.columnGap);
    state.printHeight = ClampToWord(pageHeight - state.marginTop - state.marginBottom);
    report_detail::CreateReportFonts(block, state.columnCount);
}

}  // namespace

bool ReportOpen(std::string_view title, const PrinterBlock& block, platform::WindowHandle owner,
                const ReportOutput& output) {
    if (output.pdfFile.empty() && Printer().InstalledPrinters().empty()) {
        return false;
    }
    if (State().open) {
        ReportEnd(true);
    }
    ReportState& state = State();
    state = ReportState{};
    state.columnCount = std::clamp(static_cast<int>(block.columns), 1, kMaxColumns);
    state.pdfFile = output.pdfFile;
    title = title.substr(0, std::min(title.size(), kMaxTitle));

    SelectPrinter(block, output);
    const std::string programName = ProgramName.str();
    Printer().SetTitle(programName.substr(0, 32) + ":" + std::string(title));
    Canvas().SetPen(1, 0);
    if (Printer().BeginDoc()) {
        Canvas().SetMapMode(platform::MapMode::Text);
        Canvas().SetTextAlignUpdatePosition(false);
        Canvas().TextOut({0, 0}, "  ");
    }
    if (!Printer().HasDeviceContext()) {
        if (Printer().OutputFailed()) {
            report_detail::ReportPdfFailure(state.pdfFile);
        } else {
            DisplayMessageUnconverted(
                201, Windows1252FromUtf8("Kan ej skapa vald skrivare enligt inställningar"));
        }
        // Nothing can be printed: the report runs as if cancelled.
        state.failed = true;
        CancelJob();
    }
    platform::ReportDialog& dialog = platform::CurrentReportDialog();
    dialog.Open(owner, CancelJob);
    dialog.SetDevice(PrinterDeviceText(block));
    if (!state.failed) {
        SetGeometry(block);
    }
    state.open = true;
    ReportBegin(title);
    return true;
}

void ReportBegin(std::string_view title) {
    if (!Printer().Printing()) {
        return;
    }
    ReportState& state = State();
    state.pageNumber = 1;
    state.usedHeight = 0;
    state.curX = 0;
    state.curY = 0;
    state.currentColumn = 1;
    const std::string prefix = (ProgramName.str() + ":").substr(0, 11);
    state.jobTitle = (prefix + std::string(title)).substr(0, 75).substr(0, 64);
    Printer().SetTitle(state.jobTitle);
    platform::CurrentReportDialog().SetJobTitle(state.jobTitle);
    Canvas().SetTextAlignUpdatePosition(true);

    PushFont('N');
    GotoCharLine(0, 0);
    PushFont('S');
    state.smallLineHeight = LineHeight();
    state.pictureBottom = FooterTop();
    state.pictureRight = state.marginLeft + ColumnWidth();
    state.pictureRowHeight = 0;
    state.pictureColumn = 1;
    PopFont();
}

void ReportEnd(bool withoutFooter) {
    ReportState& state = State();
    if (!state.open) {
        return;
    }
    PageBreak(withoutFooter, 0, {});
    platform::CurrentReportDialog().Close();
    if (state.fontDepth != 0) {
        DisplayMessageUnconverted(201, IntSpacePadded(state.fontDepth, 3) + " savefontc<>0 prexit");
        while (state.fontDepth > 0) {
            PopFont();
        }
    }
    state.fontsReady = false;
    state.positionDepth = 0;
    state.open = false;
}

}  // namespace oltoma
