#include "ol/reports/description_drawing.h"

#include <cmath>
#include <optional>

#include "base/messages/messages.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/description_geometry.h"
#include "platform/process_state.h"
#include "print/printer_access.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

constexpr int kDiagonalPenWidth = 5;

struct GridState {
    platform::FontDescription cellFont;
    platform::FontDescription headingFont;
    platform::FontDescription codeFont;
    DescriptionSymbols symbols;
};

std::optional<GridState>& Grid() {
    static std::optional<GridState> grid;
    return grid;
}

void ForgetGrid() {
    Grid().reset();
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetGrid);

platform::FontDescription ArialBold(int pixels) {
    platform::FontDescription font;
    font.face = "Arial";
    font.height = -pixels;
    font.pixelsPerInch = 96;
    font.pitch = platform::FontPitch::Variable;
    font.bold = true;
    return font;
}

// The grid on the report writer: cells across the current column, rows at
// the writer's y.
class WriterSurface final : public DescriptionSurface {
public:
    WriterSurface()
        : scale_(CoursePrintScale(Ol().competition.rec)),
          layout_(LayoutGrid(ColumnWidth(), scale_)),
          rowHeight_(RowHeightOf(scale_)) {}

    double RowHeight() const override { return rowHeight_; }
    double HeadingOffset() const override { return rowHeight_ / 6; }
    int CellLeft(int block, int cell) const override {
        return ColumnLeft() + CellOffset(layout_, block, cell);
    }
    int RowTop() const override { return CurY(); }

    void DrawPicture(const platform::Picture& picture, int, int) override {
        DrawBitmapScaled(picture, scale_ * 3 / 10.0, scale_ * 2 / 10.0);
    }

    void DrawText(CellFont font, int x, int y, std::string_view text) override {
        const int savedX = CurX();
        const int savedY = CurY();
        PushFontObject(FontOf(font));
        MoveTo(x, y);
        WriteText(text);
        PopFont();
        MoveTo(savedX, savedY);
    }

    void DrawDiagonal(platform::Point from, platform::Point to) override {
        PrinterMoveTo(from.x, from.y);
        PrinterLineTo(to.x, to.y, kDiagonalPenWidth);
        MoveTo(CurX(), CurY());
    }

private:
    // The writer's position to a device point of the column.
    static void MoveTo(int x, int y) {
        TabPixels(std::max(0, x - ColumnLeft()));
        GotoPixelY(std::max(0, y - MarginTop()));
    }

    platform::FontDescription FontOf(CellFont font) const {
        const GridState& grid = *Grid();
        switch (font) {
            case CellFont::cell:
                return grid.cellFont;
            case CellFont::heading:
                return grid.headingFont;
            default:
                return grid.codeFont;
        }
    }

    int scale_;
    GridLayout layout_;
    int rowHeight_;
};

// Grid state for a caller that did not initialise it: blank symbols, the
// fonts of the current scale.
GridState& ActiveGrid() {
    if (!Grid()) {
        InitDescriptionDrawing();
    }
    return *Grid();
}

}  // namespace

platform::FontDescription GridCellFont() {
    return ArialBold(12);
}

platform::FontDescription GridHeadingFont() {
    return ArialBold(14);
}

platform::FontDescription GridCodeFont(int scale) {
    platform::FontDescription font;
    font.face = "Courier";
    font.height = -static_cast<int>(std::nearbyint(scale * 6.5 / 10));
    font.pixelsPerInch = 96;
    font.pitch = platform::FontPitch::Fixed;
    font.bold = true;
    return font;
}

void InitDescriptionDrawing() {
    SetMessageLine("InitierarA");
    GridState& grid = Grid().emplace();
    grid.cellFont = GridCellFont();
    grid.headingFont = GridHeadingFont();
    grid.codeFont = GridCodeFont(CoursePrintScale(Ol().competition.rec));
    grid.symbols.LoadFrameSymbols();
}

void DoneDescriptionDrawing() {
    Grid().reset();
}

DescriptionSymbols& GridSymbols() {
    return ActiveGrid().symbols;
}

void DrawCell(int line, int block, int cell, std::string_view text) {
    WriterSurface surface;
    DrawDescriptionCell(surface, ActiveGrid().symbols, line, block, cell, text);
}

void DrawBlockHeading(int block, int cell, std::string_view text) {
    ActiveGrid();
    WriterSurface surface;
    DrawBlockHeadingText(surface, block, cell, text);
}

void DrawControlRow(std::span<const KontrRec> controls, bool thirdHeight) {
    GridState& grid = ActiveGrid();
    WriterSurface surface;
    const double height = thirdHeight ? surface.RowHeight() / 3 : surface.RowHeight();
    RoomFor(true, height);
    ReserveSpace({}, height);
    for (const int line : {1, 3, 2}) {
        TabPixels(1);
        for (std::size_t k = 0; k < controls.size(); ++k) {
            const int block = static_cast<int>(k) + 1;
            TabPixels(CellX(block, 1));
            DrawControlBlock(surface, grid.symbols, line, block, controls[k]);
        }
    }
    GotoPixelY(-static_cast<int>(std::nearbyint(height)));
}

void DrawHeadingRow(std::span<const BlockHeading> headings) {
    GridState& grid = ActiveGrid();
    WriterSurface surface;
    for (const int line : {1, 3, 2}) {
        TabPixels(1);
        for (std::size_t k = 0; k < headings.size(); ++k) {
            const int block = static_cast<int>(k) + 1;
            TabPixels(CellX(block, 1));
            DrawHeadingBlock(surface, grid.symbols, line, block, headings[k].left,
                             headings[k].right);
        }
    }
    GotoPixelY(-RowHeight());
}

}  // namespace oltoma::ol
