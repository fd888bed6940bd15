#include "ol/reports/description_cells.h"

#include <algorithm>
#include <cmath>

#include "base/text/padding.h"
#include "ol/reports/description_geometry.h"

namespace oltoma::ol {
namespace {

constexpr std::size_t kMaxCellText = 6;
constexpr std::size_t kMaxHeadingText = 32;
constexpr int kSplitWidth = 5;

int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

std::string SmallX(std::string text) {
    std::replace(text.begin(), text.end(), 'X', 'x');
    return text;
}

void DrawCellText(DescriptionSurface& surface, int line, int block, int cell,
                  std::string_view text) {
    const double rowHeight = surface.RowHeight();
    const int top = surface.RowTop();
    if (line == 2 && cell != 1 && cell != 2 && text.find('/') != std::string_view::npos) {
        surface.DrawDiagonal({surface.CellLeft(block, cell + 1), top},
                             {surface.CellLeft(block, cell), top + Round(rowHeight)});
        return;
    }
    std::string shown(text);
    if (line == 2 && cell == 2) {
        shown = PadLeft(shown, ' ', 3);
    }
    shown = SmallX(std::move(shown));
    const bool cellFont = shown.size() <= 3 || (shown.size() == 4 && cell == 2);
    const double v = rowHeight / 3;
    const double h = cellFont ? v / 2 : v / 4;
    const double offset = line == 1 ? h / 2 : line == 2 ? v - h : 2 * v - h;
    surface.DrawText(cellFont ? CellFont::cell : CellFont::code, surface.CellLeft(block, -cell),
                     top + Round(offset), shown);
}

bool ClosesWithFrameU(std::string_view code) {
    return !code.empty() && (code[0] == 'M' || code[0] == 'T' || code[0] == 'm' || code[0] == 't');
}

// The part of an unknown cell text shown in `line`.
std::string TextInLine(std::string_view text, int line) {
    std::size_t split = text.find('_');
    if (split == std::string_view::npos) {
        split = text.find('/');
    }
    if (split == std::string_view::npos) {
        return line == 2 ? std::string(text) : std::string();
    }
    switch (line) {
        case 1:
            return PadRight(text.substr(0, std::min<std::size_t>(split, kMaxCellText)), ' ',
                            kSplitWidth);
        case 3:
            return PadLeft(text.substr(split + 1), ' ', kSplitWidth);
        default:
            return text[split] == '/' ? "  /  " : "";
    }
}

}  // namespace

void DrawDescriptionCell(DescriptionSurface& surface, DescriptionSymbols& symbols, int line,
                         int block, int cell, std::string_view text) {
    if (text == kEmptyCode) {
        return;
    }
    const bool closing = text == kClosingCode;
    if (closing) {
        text = {};
    }
    if (line == 1) {
        surface.DrawPicture(symbols.CurrentPicture(VariantOfCell(cell, closing)), block, cell);
    }
    text = text.substr(0, std::min(text.size(), kMaxCellText));
    if (!text.empty()) {
        DrawCellText(surface, line, block, cell, text);
    }
}

void DrawControlBlock(DescriptionSurface& surface, DescriptionSymbols& symbols, int line, int block,
                      const KontrRec& control) {
    const std::string_view code = control.KodNr.view();
    if (code == kClosingCode || code == kEmptyCode) {
        symbols.UseFrame(code == kClosingCode ? Frame::u : Frame::blank);
        for (int cell = 1; cell <= kDescriptionEntryCount; ++cell) {
            DrawDescriptionCell(surface, symbols, line, block, cell, code);
        }
        return;
    }
    for (int cell = 1; cell <= kDescriptionEntryCount; ++cell) {
        const std::string_view text = control.R[cell - 1].view();
        if (symbols.UseSymbolNamed(text)) {
            DrawDescriptionCell(surface, symbols, line, block, cell, {});
            continue;
        }
        symbols.UseFrame(ClosesWithFrameU(code) ? Frame::u : Frame::vu);
        DrawDescriptionCell(surface, symbols, line, block, cell, TextInLine(text, line));
    }
    symbols.UseFrame(Frame::v);
    DrawDescriptionCell(surface, symbols, line, block, kRightEdgeCell, {});
}

void DrawHeadingBlock(DescriptionSurface& surface, DescriptionSymbols& symbols, int line, int block,
                      std::string_view left, std::string_view right) {
    for (int cell = 1; cell <= kDescriptionEntryCount; ++cell) {
        symbols.UseFrame(cell == 1 || cell == 5 ? Frame::vu : Frame::u);
        DrawDescriptionCell(surface, symbols, line, block, cell, {});
    }
    symbols.UseFrame(Frame::v);
    DrawDescriptionCell(surface, symbols, line, block, kRightEdgeCell, {});
    if (line == 2) {
        DrawBlockHeadingText(surface, block, 1, left);
        DrawBlockHeadingText(surface, block, 5, right);
    }
}

void DrawBlockHeadingText(DescriptionSurface& surface, int block, int cell, std::string_view text) {
    text = text.substr(0, std::min(text.size(), kMaxHeadingText));
    if (!text.empty()) {
        surface.DrawText(CellFont::heading, surface.CellLeft(block, -cell),
                         surface.RowTop() + Round(surface.HeadingOffset()), text);
    }
}

}  // namespace oltoma::ol
