#include "labels/label_print.h"

#include <memory>
#include <string>

#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "labels/etikett_rec.h"
#include "labels/label_geometry.h"
#include "platform/print/printer.h"
#include "platform/process_state.h"
#include "print/printer_access.h"
#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

constexpr int kDoesNotFitMessage = 200;
constexpr unsigned kWrappedText = platform::DrawTextFlag::kWordBreak |
                                  platform::DrawTextFlag::kNoClip |
                                  platform::DrawTextFlag::kExternalLeading;
constexpr std::string_view kFontsLargeToSmall = "BNSbns";

struct Printing {
    LabelPrintState state;
    std::unique_ptr<LabelSetting> saved;
};

Printing& Current() {
    static Printing printing;
    return printing;
}

// No label print under way, no setting saved.
void ForgetLabelPrinting() {
    Current() = Printing{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetLabelPrinting);

// The printable area of the report writer in tenths of a millimetre.
int PrintableWidth() {
    const int dpi = platform::ActivePrinter().ResolutionX();
    return dpi > 0 ? static_cast<int>(static_cast<long long>(PrintWidth()) * 254 / dpi) : 0;
}

int PrintableHeight() {
    const int dpi = platform::ActivePrinter().ResolutionY();
    return dpi > 0 ? static_cast<int>(static_cast<long long>(PrintHeight()) * 254 / dpi) : 0;
}

bool Fits(const platform::Rect& place) {
    return PlaceFits(place, PrintableWidth(), PrintableHeight());
}

std::string CurrentSettingName() {
    return WorkingGlobalSettings().labelNames[CurrentLabelNumber()].str();
}

void RefuseSetting() {
    PrinterAbort();
    DisplayMessageUnconverted(
        kDoesNotFitMessage,
        Windows1252FromUtf8("Etiketterna ryms inte på sidan med etikettinställningen \"") +
            CurrentSettingName() + "\"");
}

void StartSheet() {
    LabelPrintState& state = Current().state;
    state.sheet += 1;
    ShowStatus(2, "Ark nr:" + IntSpacePadded(state.sheet, 3));
    PopFont();
    PrinterNewPage();
    PrinterSetTextAlign(false);
    PushFont('N');
    state.row = 1;
}

// Moves to the next place; after a place that did not fit, to the first
// place of a new sheet.
void Advance(bool previousDidNotFit) {
    LabelPrintState& state = Current().state;
    const LabelSetting& setting = WorkingLabelSetting();
    state.column += 1;
    if (state.column > PrintedAcross(setting) || previousDidNotFit) {
        state.column = 1;
        state.row += 1;
        if (state.row > PrintedRows(setting) || previousDidNotFit) {
            StartSheet();
        }
    }
}

void CountLabel() {
    LabelPrintState& state = Current().state;
    state.count += 1;
    ShowStatus(3, "Antal :" + IntSpacePadded(state.count, 3));
}

}  // namespace

bool StartLabelPrint(std::string_view title, platform::WindowHandle owner) {
    Printing& printing = Current();
    printing.saved = std::make_unique<LabelSetting>(WorkingLabelSetting());
    printing.state = LabelPrintState{};
    printing.state.copies = WorkingLabelSetting().copies;
    if (printing.state.copies < 1) {
        printing.state.copies = AskNumber(owner, 1, "Antal kopior:");
    }
    if (!ReportOpen(title, WorkingLabelSetting().printer, owner)) {
        return false;
    }
    PrinterSetMapMode(platform::MapMode::LowMetric);
    PrinterSetTextAlign(false);
    if (!PrintAborted() && !Fits(LabelPlace(WorkingLabelSetting(), 1, 1))) {
        RefuseSetting();
        return false;
    }
    return true;
}

void PrintLabel(std::string_view text, LabelPainter painter, int argument) {
    LabelSetting& setting = WorkingLabelSetting();
    setting.across = static_cast<std::uint16_t>(PrintedAcross(setting));
    const LabelPrintState& state = Current().state;
    for (int copy = 0; copy < state.copies && !PrintAborted(); ++copy) {
        bool didNotFit = false;
        platform::Rect place;
        for (;;) {
            Advance(didNotFit);
            place = LabelPlace(setting, state.row, state.column);
            if (Fits(place) || PrintAborted()) {
                break;
            }
            if (didNotFit) {
                return;  // not even a fresh sheet's first place fits
            }
            didNotFit = true;
        }
        painter(place, text, argument);
    }
}

void PaintLabel(const platform::Rect& place, std::string_view text, int) {
    ShowStatus(1, LabelKey(text));
    if (IsPictureLabel(text)) {
        DrawPictureFile(place, PictureFileOfLabel(text));
        CountLabel();
        return;
    }
    CountLabel();
    for (const char font : kFontsLargeToSmall) {
        PushFont(font);
        if (!PrintAborted()) {
            platform::Rect measured = place;
            PrinterDrawText(text, measured, kWrappedText | platform::DrawTextFlag::kCalculateRect);
            const bool fits = measured.right <= place.right && measured.bottom >= place.bottom;
            if (fits || font == kFontsLargeToSmall.back()) {
                platform::Rect drawn = place;
                if (fits) {
                    drawn.left += RoundHalfEven((place.right - measured.right) / 2.0);
                    drawn.top -= RoundHalfEven((measured.bottom - place.bottom) / 2.0);
                }
                PrinterDrawText(text, drawn, kWrappedText);
                PopFont();
                return;
            }
        }
        PopFont();
    }
}

void EndLabelPrint() {
    Printing& printing = Current();
    ReportEnd(true);
    if (printing.saved != nullptr) {
        WorkingLabelSetting() = *printing.saved;
        printing.saved.reset();
    }
    if (WorkingLabelSetting().copies < 1) {
        WorkingLabelSetting().copies = 1;
    }
}

const LabelPrintState& LabelPrinting() {
    return Current().state;
}

bool PrintLabelTimes(std::string_view text, int n, platform::WindowHandle owner) {
    if (n < 1) {
        return false;
    }
    const bool started = StartLabelPrint("etiketter", owner);
    if (started) {
        for (int i = 1; i <= n && !PrintAborted(); ++i) {
            ShowProgress(i, n);
            PrintLabel(text, PaintLabel, 0);
        }
    }
    EndLabelPrint();
    return started;
}

}  // namespace oltoma::labels
