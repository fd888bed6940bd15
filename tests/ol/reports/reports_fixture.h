// A competition with its definition files open, in a data directory of its
// own, and the report writer bound to a RecordingPrinter with the test
// printer block of tests/support (margins left 120, top 240, bottom 120 at
// 240 dpi; fonts 18, 12 and 9 points). The page is 3120 pixels wide, so the
// report column is 3000 wide: two description blocks across at scale 10.
//
// At 240 dpi the recording canvas makes a font of P points round(10P / 3)
// high with characters half as wide: the grid's cell font (9 points) 30 high
// and 15 wide, the code font at scale 10 (6 screen pixels, 5 points) 17 and
// 8, the heading font (14 screen pixels, 11 points) 37 and 18.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "base/time/clock_text.h"
#include "data_layer_fixture.h"
#include "ol/data/files/registers.h"
#include "ol/reports/picked_records.h"
#include "ol/reports/report_run.h"
#include "ol/reports/symbol_picture.h"
#include "platform/print/recording_canvas.h"
#include "platform/print/recording_printer.h"
#include "platform/print/report_dialog.h"
#include "print/report_writer.h"
#include "recording_report_dialog.h"
#include "test_printer_block.h"

namespace oltoma::ol::testing {

using platform::CanvasCall;
using Kind = platform::CanvasCall::Kind;

// Records picked by key, loaded as a pick list loads them.
class PickedByKey final : public PickedRecords {
public:
    using Finder = bool (*)(int, std::string_view, std::int32_t&, bool&, bool&);

    PickedByKey(Finder find, std::vector<std::string> keys) : find_(find), keys_(std::move(keys)) {}

    int Antal() override { return static_cast<int>(keys_.size()); }
    std::int32_t GetPickData(int ix) override {
        if (onLoad) {
            onLoad(ix);
        }
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        if (ix < 0 || ix >= Antal() ||
            !find_(FindMode::kByKey, keys_[static_cast<std::size_t>(ix)], rc, notFound, ok)) {
            return -1;
        }
        return rc;
    }

    std::function<void(int)> onLoad;  // called before item ix is loaded

private:
    Finder find_;
    std::vector<std::string> keys_;
};

class ReportsTest : public DataLayerTest {
protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        ASSERT_NE(NewCompetition("Testtävlingen"), 0);
        ASSERT_TRUE(OpenDefinitionFiles());
        Ol().competition.rec.banPrSkalaW = 10;
        Ol().competition.rec.Date = "Lördag  2024-05-18";
        previousProgramName_ = ProgramName;
        ProgramName = "OltomaW64";
        UseDevice(WideDevice());
        previousPrinter_ = platform::BindPrinter(printer_.get());
        previousDialog_ = platform::BindReportDialog(&dialog);
        previousClock_ = SetLocalTimeSource([] { return LocalDateTime{2024, 3, 4, 13, 5, 9, 1}; });
        *setting = PrintSetting{};
        setting->printer = *oltoma::testing::TestPrinterBlock(1);
    }

    void TearDown() override {
        ReportEnd(true);
        SetLocalTimeSource(previousClock_);
        ProgramName = previousProgramName_;
        platform::BindReportDialog(previousDialog_);
        platform::BindPrinter(previousPrinter_);
        DataLayerTest::TearDown();
    }

    static platform::RecordingPrinter::Device WideDevice() {
        platform::RecordingPrinter::Device device;
        device.pageWidth = 3120;
        return device;
    }

    // A page `columnWidth` wide (plus the left margin of 120).
    static platform::RecordingPrinter::Device DeviceWithColumn(int columnWidth) {
        platform::RecordingPrinter::Device device;
        device.pageWidth = columnWidth + 120;
        return device;
    }

    // Prints on a printer of this device from now on.
    void UseDevice(const platform::RecordingPrinter::Device& device) {
        printer_ = std::make_unique<platform::RecordingPrinter>(device);
        platform::BindPrinter(printer_.get());
    }

    platform::RecordingPrinter& printer() { return *printer_; }
    const platform::RecordingPrinter& printer() const { return *printer_; }

    std::int32_t AddControl(std::string_view code, std::vector<std::string_view> entries = {}) {
        ClearControl();
        Ol().control.rec.KodNr = code;
        for (std::size_t i = 0; i < entries.size() && i < 8; ++i) {
            Ol().control.rec.R[i] = entries[i];
        }
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveControl(true, rc)) << Message();
        return rc;
    }

    std::int32_t AddCourse(std::string_view designation, std::vector<std::string> codes,
                           std::int32_t length = 0) {
        ClearCourse();
        TrackRec& course = Ol().course.rec;
        course.Bana = designation;
        course.Antal = static_cast<std::int16_t>(codes.size());
        for (std::size_t i = 0; i < codes.size(); ++i) {
            course.KodNr[i] = codes[i];
        }
        course.BanSize[0] = length;
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveCourse(true, rc)) << Message();
        return rc;
    }

    std::int32_t AddClass(std::string_view designation, std::string_view course,
                          std::int16_t count = 0) {
        ClearClass();
        KlassRec& klass = Ol().klass.rec;
        klass.Bet = designation;
        klass.Bana[0] = course;
        klass.Count.cell[0] = count;
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveClass(true, rc)) << Message();
        return rc;
    }

    // A symbol whose 432 bytes are all `fill` (frames take their own).
    std::int32_t AddSymbol(std::string_view key, std::uint8_t fill, std::string_view text = {}) {
        ClearRoute24();
        Rutb24Rec& route = Ol().route24.rec;
        route.Namn = key;
        route.Text = text;
        std::memset(route.Symbol, fill, sizeof route.Symbol);
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveRoute24(true, rc)) << Message();
        return rc;
    }

    static std::uint32_t ChecksumOf(std::uint8_t fill, int cell, bool topBand = false) {
        std::array<std::uint8_t, kSymbolBytes> bytes;
        bytes.fill(fill);
        return platform::RecordingCanvas::PictureChecksum(
            SymbolPicture(bytes.data(), VariantOfCell(cell, topBand)));
    }

    std::vector<CanvasCall> Calls(Kind kind) const {
        std::vector<CanvasCall> found;
        for (const CanvasCall& call : printer().calls()) {
            if (call.kind == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    // Texts printed (without the writer's opening blanks), in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const CanvasCall& call : Calls(Kind::TextOut)) {
            if (call.text != "  ") {
                texts.push_back(Utf8FromWindows1252(call.text));
            }
        }
        return texts;
    }

    bool Printed(std::string_view utf8) const {
        const auto texts = Texts();
        return std::find(texts.begin(), texts.end(), utf8) != texts.end();
    }

    bool PrintedContaining(std::string_view utf8) const {
        for (const std::string& text : Texts()) {
            if (text.find(utf8) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    ReportRun run;
    oltoma::testing::RecordingReportDialog dialog;
    PrintSetting* setting = &WorkingPrintSetting();

private:
    std::unique_ptr<platform::RecordingPrinter> printer_;
    platform::Printer* previousPrinter_ = nullptr;
    platform::ReportDialog* previousDialog_ = nullptr;
    ShortString<10> previousProgramName_;
    LocalTimeSource previousClock_;
};

}  // namespace oltoma::ol::testing
