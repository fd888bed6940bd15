#include "labels/giro_print.h"

#include <string>

#include "labels/giro_fields.h"
#include "labels/giro_file.h"
#include "labels/label_print.h"
#include "print/printer_access.h"
#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

constexpr std::string_view kFontsLargeToSmall = "BNSbns";

// The rectangle of a field on the canvas: x from the place's left, y down
// from the place's top (the canvas's y axis points up).
platform::Rect OnCanvas(const platform::Rect& place, int left, int top, int right, int bottom) {
    return {place.left + left, place.top - top, place.left + right, place.top - bottom};
}

std::string_view TextOf(const TGiroRec& slip, GiroField field) {
    switch (field) {
        case GiroField::Message:
            return slip.gtxt.view();
        case GiroField::Address:
            return slip.gadrtxt.view();
        case GiroField::TillG:
            return slip.TillG.view();
        case GiroField::Mottagare:
            return slip.Mottagare.view();
        case GiroField::EgetKonto:
            return slip.EgetKonto.view();
        case GiroField::AttBetala:
            return slip.AttBetala.view();
        case GiroField::Referens:
            return slip.Referens.view();
    }
    return {};
}

}  // namespace

void FitText(std::string_view text, const platform::Rect& rect, Alignment alignment) {
    if (text.empty()) {
        return;
    }
    const unsigned align = alignment == Alignment::Right ? platform::DrawTextFlag::kRight
                                                         : platform::DrawTextFlag::kLeft;
    const unsigned flags = align | platform::DrawTextFlag::kNoClip;
    for (const char font : kFontsLargeToSmall) {
        PushFont(font);
        if (PrintAborted()) {
            PopFont();
            continue;
        }
        platform::Rect measured = rect;
        PrinterDrawText(text, measured, flags | platform::DrawTextFlag::kCalculateRect);
        const int spareWidth = (rect.right - rect.left) - (measured.right - measured.left);
        const int spareHeight = measured.bottom - rect.bottom;
        const bool fits = spareWidth >= 0 && spareHeight >= 0;
        if (fits || font == kFontsLargeToSmall.back()) {
            platform::Rect drawn = rect;
            if (fits) {
                drawn.left += RoundHalfEven(spareWidth / 2.0);
                drawn.top -= RoundHalfEven(spareHeight / 2.0);
            }
            PrinterDrawText(text, drawn, flags);
            PopFont();
            return;
        }
        PopFont();
    }
}

void DrawBoxes(std::string_view text, const platform::Rect& place, Tgirotyp kind, GiroField field) {
    const GiroFieldPlace* box = FindGiroField(kind, field);
    if (box == nullptr) {
        return;
    }
    std::string characters(text);
    const bool amount = field == GiroField::AttBetala;
    if (amount && characters.find('.') == std::string::npos) {
        characters += ".00";
    }
    platform::Rect at = OnCanvas(place, box->left, box->top, box->right, box->bottom);
    int drawn = 0;
    for (auto c = characters.rbegin(); c != characters.rend(); ++c) {
        if (*c == '.' && box->decimalPointShift != 0) {
            at.left -= box->decimalPointShift;
            at.right -= box->decimalPointShift;
            continue;
        }
        FitText(std::string_view(&*c, 1), at, Alignment::Left);
        StepBoxLeft(at.left, at.right, box->pitch);
        ++drawn;
        if (amount && GapFollows(drawn)) {
            at.left -= box->extraGap;
            at.right -= box->extraGap;
        }
    }
}

void PaintGiroSlip(const platform::Rect& place, std::string_view, int kind) {
    const auto slipKind = static_cast<Tgirotyp>(kind);
    const TGiroRec& slip = GiroRec();
    for (const GiroFieldPlace& field : GiroFieldsOf(slipKind)) {
        const std::string_view text = TextOf(slip, field.field);
        if (field.writing == Writing::Boxes) {
            DrawBoxes(text, place, slipKind, field.field);
        } else {
            FitText(text, OnCanvas(place, field.left, field.top, field.right, field.bottom),
                    field.writing == Writing::FittedRight ? Alignment::Right : Alignment::Left);
        }
    }
}

void PrintGiroSlip(Tgirotyp kind) {
    PrintLabel({}, PaintGiroSlip, static_cast<int>(kind));
}

bool PrintGiroSlips(Tgirotyp kind, int n, platform::WindowHandle owner) {
    if (n < 1) {
        return false;
    }
    const bool started = StartLabelPrint("giroblanketter", owner);
    if (started) {
        ShowStatus(1, "utskrift av giroblanketter");
        for (int i = 1; i <= n && !PrintAborted(); ++i) {
            ShowProgress(i, n);
            PrintGiroSlip(kind);
        }
    }
    EndLabelPrint();
    return started;
}

}  // namespace oltoma::labels
