// A report writer bound to a RecordingPrinter (2000 x 2800 pixels at 240
// dpi), a recording progress dialog, scripted message boxes and a fixed
// clock, with a printer block whose margins and fonts give round numbers:
//   margins left 12.7 mm (120 px), top 25.4 mm (240 px), right 0,
//   bottom 12.7 mm (120 px); fonts "stor" 18, "mellan" 12, "liten" 9 points.
// At 240 dpi the recording canvas gives a 12-point font a height of 40, a
// line of 44 and characters 20 wide; 9 points: 30, 33 and 15.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/time/clock_text.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "platform/print/report_dialog.h"
#include "print/report_writer.h"
#include "recording_report_dialog.h"
#include "scripted_message_boxes.h"
#include "test_printer_block.h"

namespace oltoma::testing {

class ReportFixture : public ::testing::Test {
protected:
    ReportFixture() : boxesGuard_(boxes) {
        *setting = PrintSetting{};
        setting->fottext = "Fottext";
        previousProgramName_ = ProgramName;
        ProgramName = "OltomaW64";
        previousPrinter_ = platform::BindPrinter(&printer);
        previousDialog_ = platform::BindReportDialog(&dialog);
        previousClock_ = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 13, 5, 9, 1}; });
    }
    ~ReportFixture() override {
        ReportEnd(true);
        SetLocalTimeSource(previousClock_);
        ProgramName = previousProgramName_;
        platform::BindReportDialog(previousDialog_);
        platform::BindPrinter(previousPrinter_);
    }

    bool Open(int columns, const char* title = "klasser") {
        block = TestPrinterBlock(columns);
        return ReportOpen(title, *block, 0);
    }

    // Text calls of a page, in order.
    std::vector<platform::CanvasCall> TextsOnPage(int page) const {
        std::vector<platform::CanvasCall> texts;
        for (const platform::CanvasCall& call : printer.calls()) {
            if (call.kind == platform::CanvasCall::Kind::TextOut && call.page == page &&
                call.text != "  ") {
                texts.push_back(call);
            }
        }
        return texts;
    }

    std::vector<platform::CanvasCall> CallsOf(platform::CanvasCall::Kind kind) const {
        std::vector<platform::CanvasCall> found;
        for (const platform::CanvasCall& call : printer.calls()) {
            if (call.kind == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    platform::RecordingPrinter printer;
    RecordingReportDialog dialog;
    ScriptedMessageBoxes boxes;
    // The working print setting, cleared for every test.
    PrintSetting* setting = &WorkingPrintSetting();
    std::unique_ptr<PrinterBlock> block;

private:
    BoundMessageBoxes boxesGuard_;
    platform::Printer* previousPrinter_ = nullptr;
    platform::ReportDialog* previousDialog_ = nullptr;
    ShortString<10> previousProgramName_;
    LocalTimeSource previousClock_;
};

}  // namespace oltoma::testing
