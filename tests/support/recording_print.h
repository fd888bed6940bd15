// The report writer on a RecordingPrinter with a RecordingReportDialog, for
// the lifetime of the object; the working print setting prints on it with
// the round-number printer block of test_printer_block.h.
#pragma once

#include "base/settings/settings_state.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "platform/print/report_dialog.h"
#include "recording_report_dialog.h"
#include "test_printer_block.h"

namespace oltoma::testing {

class RecordingPrint {
public:
    explicit RecordingPrint(platform::RecordingPrinter::Device device = {})
        : printer(std::move(device)) {
        previousPrinter_ = platform::BindPrinter(&printer);
        previousDialog_ = platform::BindReportDialog(&dialog);
        previousSetting_ = WorkingPrintSetting().printer;
        WorkingPrintSetting().printer = *TestPrinterBlock(1);
    }
    ~RecordingPrint() {
        WorkingPrintSetting().printer = previousSetting_;
        platform::BindReportDialog(previousDialog_);
        platform::BindPrinter(previousPrinter_);
    }
    RecordingPrint(const RecordingPrint&) = delete;
    RecordingPrint& operator=(const RecordingPrint&) = delete;

    // The texts printed, in order, with the x where each starts.
    std::vector<std::pair<int, std::string>> Texts() const {
        std::vector<std::pair<int, std::string>> texts;
        for (const platform::CanvasCall& call : printer.calls()) {
            if (call.kind == platform::CanvasCall::Kind::TextOut) {
                texts.emplace_back(call.from.x, call.text);
            }
        }
        return texts;
    }

    platform::RecordingPrinter printer;
    RecordingReportDialog dialog;

private:
    platform::Printer* previousPrinter_ = nullptr;
    platform::ReportDialog* previousDialog_ = nullptr;
    PrinterBlock previousSetting_{};
};

}  // namespace oltoma::testing
