#include "print/report_fonts.h"

#include <cstdlib>

#include "base/messages/messages.h"
#include "base/settings/font_conversion.h"
#include "base/text/number_format.h"
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::Canvas;
using report_detail::State;

namespace report_detail {

namespace {

platform::FontDescription ScaledFont(const FontSpec& stored, int columnCount) {
    platform::FontDescription font;
    SpecToFont(stored, font);
    font.SetSize(RoundHalfEven(static_cast<double>(font.Size()) / columnCount));
    return font;
}

// The report font of a kind letter, with the half sizes of "b", "n", "s".
platform::FontDescription FontOfKind(char kind) {
    const ReportState& state = State();
    platform::FontDescription font;
    if (!state.fontsReady) {
        return font;
    }
    switch (kind) {
        case 'B':
        case 'b':
            font = state.large;
            break;
        case 'N':
        case '?':
        case 'n':
            font = state.medium;
            break;
        case 'S':
        case 's':
            font = state.small;
            break;
        default:
            return font;
    }
    if (kind == 'b' || kind == 'n' || kind == 's') {
        font.SetSize(font.Size() / 2);
    }
    return font;
}

void PushEntry(char kind, const platform::FontDescription& font) {
    ReportState& state = State();
    ++state.fontDepth;
    if (state.fontDepth < 1 || state.fontDepth > kStackSize) {
        // Deeper than the stack: counted so pops stay balanced, font kept.
        DisplayMessageUnconverted(1, IntSpacePadded(state.fontDepth, 3) + " pushfont>12");
        return;
    }
    FontEntry& entry = state.fonts[static_cast<std::size_t>(state.fontDepth - 1)];
    entry.kind = kind;
    entry.saved = Canvas().Font();
    if (!PrintAborted()) {
        Canvas().SetFont(font);
    }
    RefreshMetrics();
}

}  // namespace

void CreateReportFonts(const PrinterBlock& block, int columnCount) {
    ReportState& state = State();
    state.large = ScaledFont(block.stor, columnCount);
    state.medium = ScaledFont(block.mellan, columnCount);
    state.small = ScaledFont(block.liten, columnCount);
    state.fontsReady = true;
}

void RefreshMetrics() {
    if (!Canvas().GetTextMetrics(State().metrics)) {
        DisplayMessageUnconverted(1, "Kan ej finna textinformation om denna font!");
    }
}

}  // namespace report_detail

using report_detail::ReportState;

void PushFont(char kind) {
    report_detail::PushEntry(kind, report_detail::FontOfKind(kind));
}

void PushFontObject(const platform::FontDescription& font) {
    const char kind = static_cast<char>('0' + (State().fontDepth + 1) % 10);
    report_detail::PushEntry(kind, font);
}

void PopFont() {
    ReportState& state = State();
    if (state.fontDepth <= 0) {
        return;
    }
    if (state.fontDepth <= report_detail::kStackSize) {
        const report_detail::FontEntry& entry =
            state.fonts[static_cast<std::size_t>(state.fontDepth - 1)];
        if (!PrintAborted()) {
            Canvas().SetFont(entry.saved);
        }
        report_detail::RefreshMetrics();
    }
    --state.fontDepth;
}

int FontDepth() {
    return State().fontDepth;
}

}  // namespace oltoma
