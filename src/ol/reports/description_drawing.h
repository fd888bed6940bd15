// The control description grid on the running report: its drawing
// resources and the operations the reports draw with. Geometry in
// description_geometry.h, the cell rules in description_cells.h.
//
// Resources, made by InitDescriptionDrawing and freed by
// DoneDescriptionDrawing:
//   cell font     Arial bold, 12 screen pixels (9 points), variable pitch
//   heading font  Arial bold, 14 screen pixels, variable pitch
//   code font     Courier bold, fixed pitch, round(6.5s / 10) screen pixels
//   symbols       the blank symbol and frames VU, U and V (LoadFrameSymbols)
// Heights are pixels at 96 per inch; the printer prints the same point size.
//
// A report calls InitDescriptionDrawing right after ReportOpen succeeded and
// DoneDescriptionDrawing before ReportEnd; DescriptionDrawingScope does both
// so that every return path frees.
#pragma once

#include <span>
#include <string_view>

#include "ol/data/records/kontr_rec.h"
#include "ol/reports/description_cells.h"
#include "ol/reports/description_symbols.h"
#include "platform/font_description.h"

namespace oltoma::ol {

// MessageLine gets "InitierarA"; the fonts are made and the frame symbols
// loaded.
void InitDescriptionDrawing();
// Frees the fonts and the symbols; harmless when not initialised.
void DoneDescriptionDrawing();

class DescriptionDrawingScope {
public:
    DescriptionDrawingScope() { InitDescriptionDrawing(); }
    ~DescriptionDrawingScope() { DoneDescriptionDrawing(); }
    DescriptionDrawingScope(const DescriptionDrawingScope&) = delete;
    DescriptionDrawingScope& operator=(const DescriptionDrawingScope&) = delete;
};

// The symbols of the running grid (current symbol, frames).
DescriptionSymbols& GridSymbols();

// The fonts of the printed grid at scale s.
platform::FontDescription GridCellFont();
platform::FontDescription GridHeadingFont();
platform::FontDescription GridCodeFont(int scale);

// The cell rules of DrawDescriptionCell on the report: the picture at the
// writer's x (which then moves past it), texts at the cell's position
// below the writer's y; the writer's position, font and alignment are
// restored.
void DrawCell(int line, int block, int cell, std::string_view text);

// The text (at most 32 characters) in the heading font at the cell's text
// position, R/6 below the writer's y; the position is restored.
void DrawBlockHeading(int block, int cell, std::string_view text);

// One row of description blocks, one per control of `controls` (an "exi" or
// "nul" code marks an empty slot): H = R, or R/3 with `thirdHeight`;
// RoomFor(true, H), ReserveSpace(empty title, H); lines 1, 3 and 2, each
// from TabPixels(1) and for block k from TabPixels(CellX(k, 1)); then the
// writer moves H lower.
void DrawControlRow(std::span<const KontrRec> controls, bool thirdHeight);

// One row of heading blocks (course columns): per block the texts of cells
// 1 and 5 as DrawHeadingBlock draws them, each line from the block's cell
// 1; then the writer moves R lower. The caller reserves the space.
struct BlockHeading {
    std::string left;
    std::string right;
};
void DrawHeadingRow(std::span<const BlockHeading> headings);

}  // namespace oltoma::ol
