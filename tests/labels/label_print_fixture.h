// Label printing on the recording printer: an A4 page (2100 x 2970
// pixels at 254 dpi, so a pixel is a tenth of a millimetre and the
// low-metric units equal the device's), a recording progress dialog, and a
// working label setting "Laser 3x8" (3 across, 8 rows, margins -50 and
// -20) whose fonts are Courier New 16, 12 and 10 points. In the low-metric
// mode the recording canvas makes a P-point font round(P * 254 / 72) high,
// characters half as wide, with a tenth of the height as external leading:
//   16 pt: 56 high, 28 wide, line 61;  12 pt: 42, 21, 46;  10 pt: 35, 17, 38.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings/settings_state.h"
#include "bound_services.h"
#include "labels/label_print.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "recording_report_dialog.h"
#include "scripted_message_boxes.h"
#include "scripted_services.h"
#include "test_printer_block.h"

namespace oltoma::labels::testing {

using oltoma::testing::RecordingReportDialog;

inline void UseLaser3x8(LabelSetting& setting) {
    setting = LabelSetting{};
    setting.leftMargin = -50;
    setting.labelHeight = 320;
    setting.rowPitch = 360;
    setting.columnPitch = 703;
    setting.labelWidth = 600;
    setting.topMargin = -20;
    setting.across = 3;
    setting.rows = 8;
    setting.copies = 1;
    setting.printer.deviceName = "oltoma-test";
    setting.printer.valid = 1;
    setting.printer.deviceMode.printQuality = 254;
    setting.printer.deviceMode.yResolution = 254;
    setting.printer.pageSetup.flags = kMarginsInHundredthsOfMillimetre;
    oltoma::testing::SetFont(setting.printer.stor, "Courier New", 16);
    oltoma::testing::SetFont(setting.printer.mellan, "Courier New", 12);
    oltoma::testing::SetFont(setting.printer.liten, "Courier New", 10);
    setting.printer.columns = 1;
}

// What a painter was given, with the state at that moment.
struct Painted {
    std::string text;
    int sheet;
    int row;
    int column;
    platform::Rect place;
    friend bool operator==(const Painted&, const Painted&) = default;
};

class LabelPrintTest : public ::testing::Test {
protected:
    LabelPrintTest()
        : printer({.pageWidth = 2100, .pageHeight = 2970, .dpi = 254}),
          bound_({.numberPrompt = &numbers}),
          boxesGuard_(boxes) {
        previousPrinter_ = platform::BindPrinter(&printer);
        previousDialog_ = platform::BindReportDialog(&dialog);
        UseLaser3x8(WorkingLabelSetting());
        WorkingGlobalSettings().labelSettingNumber = 1;
        WorkingGlobalSettings().labelNames[1] = "Laser 3x8";
        painted().clear();
    }
    ~LabelPrintTest() override {
        EndLabelPrint();
        platform::BindReportDialog(previousDialog_);
        platform::BindPrinter(previousPrinter_);
    }

    static std::vector<Painted>& painted() {
        static std::vector<Painted> list;
        return list;
    }
    // A painter that only records where it was asked to paint.
    static void Record(const platform::Rect& place, std::string_view text, int) {
        const LabelPrintState& state = LabelPrinting();
        painted().push_back({std::string(text), state.sheet, state.row, state.column, place});
    }

    std::vector<platform::CanvasCall> Calls(platform::CanvasCall::Kind kind) const {
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
    oltoma::testing::ScriptedNumberPrompt numbers;
    oltoma::testing::ScriptedMessageBoxes boxes;

private:
    oltoma::testing::BoundServices bound_;
    oltoma::testing::BoundMessageBoxes boxesGuard_;
    platform::Printer* previousPrinter_ = nullptr;
    platform::ReportDialog* previousDialog_ = nullptr;
};

}  // namespace oltoma::labels::testing
