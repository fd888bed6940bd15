#include "ol/reports/description_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

// Units of a block's content and of its pitch across the column.
constexpr int kBlockContentUnits = 392;
constexpr int kBlockPitchUnits = 413;
constexpr int kTextIndentUnits = 5;

}  // namespace

int CoursePrintScale(InfoRec& competition) {
    if (competition.banPrSkalaW == 0) {
        competition.banPrSkalaW = 10;
    }
    return competition.banPrSkalaW;
}

GridLayout LayoutGrid(int columnWidth, int scale) {
    GridLayout layout;
    layout.scale = scale > 0 ? scale : 10;
    layout.unit = 3.0 * layout.scale / 10.0;
    const double fit = columnWidth / (kBlockPitchUnits * layout.unit);
    layout.fitting =
        fit >= kMaxBlocksAcross ? kMaxBlocksAcross : std::max(0, static_cast<int>(fit));
    layout.blocks = std::max(1, layout.fitting);
    layout.blockWidth = static_cast<double>(columnWidth) / layout.blocks;
    layout.margin = std::max(0.0, (layout.blockWidth - kBlockContentUnits * layout.unit) / 2.0);
    return layout;
}

int CellUnits(int cell) {
    const int c = std::max(1, cell);
    return 48 * (c - 1) + (c >= 3 ? 8 : 0);
}

int CellOffset(const GridLayout& layout, int block, int cell) {
    double x =
        layout.blockWidth * (block - 1) + layout.margin + layout.unit * CellUnits(std::abs(cell));
    if (cell < 0) {
        x += kTextIndentUnits * layout.unit;
    }
    return static_cast<int>(x);
}

int RowHeightOf(int scale) {
    return static_cast<int>(std::nearbyint(scale * 144 / 10.0));
}

int BlocksAcross() {
    const GridLayout layout = LayoutGrid(ColumnWidth(), CoursePrintScale(Ol().competition.rec));
    if (layout.fitting < 1) {
        DisplayMessage(
            201, Windows1252FromUtf8("Utskriften får inte plats på bredden. För stor skala!"));
    }
    return layout.blocks;
}

int RowHeight() {
    return RowHeightOf(CoursePrintScale(Ol().competition.rec));
}

int CellX(int block, int cell) {
    return CellOffset(LayoutGrid(ColumnWidth(), CoursePrintScale(Ol().competition.rec)), block,
                      cell);
}

}  // namespace oltoma::ol
