// The rules of the control description grid: what a cell shows for its
// text, and what a block of eight cells shows for a control. They draw on a
// DescriptionSurface, which owns the geometry and the fonts: the printed
// grid (description_drawing.h) and the course picture (course_sheet.h).
//
// A row of blocks is drawn in three passes, one per line of the row (the
// three bands of a symbol): line 1 draws the symbol pictures and the upper
// texts, line 2 the middle texts, line 3 the lower texts.
#pragma once

#include <string_view>

#include "ol/data/records/kontr_rec.h"
#include "ol/reports/description_symbols.h"
#include "platform/print/geometry.h"

namespace oltoma::ol {

enum class CellFont { cell, code, heading };

class DescriptionSurface {
public:
    virtual ~DescriptionSurface() = default;

    // The row height R.
    virtual double RowHeight() const = 0;
    // How far below the row's top a block heading's text is drawn.
    virtual double HeadingOffset() const = 0;
    // The x of the left edge of cell 1..9 of block `block` (from 1); for a
    // negative cell number, the text position of cell |cell|.
    virtual int CellLeft(int block, int cell) const = 0;
    // The y of the top of the row being drawn.
    virtual int RowTop() const = 0;
    // Draws the picture of a cell (line 1).
    virtual void DrawPicture(const platform::Picture& picture, int block, int cell) = 0;
    // Draws text with its top-left at (x, y) in the font; leaves the
    // surface's position, font and alignment as they were.
    virtual void DrawText(CellFont font, int x, int y, std::string_view text) = 0;
    // The thick diagonal of a cell.
    virtual void DrawDiagonal(platform::Point from, platform::Point to) = 0;
};

// The code of an empty slot: "exi" closes the column above with the top
// band of frame U, "nul" shows nothing.
inline constexpr std::string_view kClosingCode = "exi";
inline constexpr std::string_view kEmptyCode = "nul";

// The cell of block `block` in line `line` (1..3) with the current symbol
// of `symbols`:
//   "nul"  nothing; "exi": the top band of the symbol only, no text;
//   line 1 draws the symbol's picture (cell 2 wide, cells 1, 4, 7 with the
//   doubled left line);
//   a text (its first 6 characters) with a "/" in line 2 of a cell other
//   than 1 and 2 is a diagonal from the cell's top-right to its
//   bottom-left; otherwise it is written at the cell's text position: in
//   line 2 of cell 2 right-aligned in 3, every X as x, in the cell font
//   when it has at most 3 characters or is a 4-character text in cell 2,
//   else in the code font; with v = R/3 and h = v/4 (doubled for the cell
//   font) its top is round(h/2), round(v - h) or round(2v - h) below the
//   row's top for lines 1, 2 and 3.
void DrawDescriptionCell(DescriptionSurface& surface, DescriptionSymbols& symbols, int line,
                         int block, int cell, std::string_view text);

// One line of the block of a control: an "exi" or "nul" slot shows that
// code in all eight cells and no right edge. Otherwise each cell c shows
// the symbol its text R[c] names (no text), or, for an unknown text, frame
// U (codes starting with M, T, m or t) or frame VU behind the text: a text
// without "_" and "/" in line 2; with one (the first "_", else the first
// "/") the part before it left-aligned in 5 in line 1, the part after it
// right-aligned in 5 in line 3, and "  /  " in line 2 for a "/". Frame V
// draws the right edge.
void DrawControlBlock(DescriptionSurface& surface, DescriptionSymbols& symbols, int line, int block,
                      const KontrRec& control);

// One line of a heading block: frame VU in cells 1 and 5, frame U in the
// others, frame V at the right edge; in line 2 the two texts at the text
// positions of cells 1 and 5, in the heading font.
void DrawHeadingBlock(DescriptionSurface& surface, DescriptionSymbols& symbols, int line, int block,
                      std::string_view left, std::string_view right);

// The heading text (at most 32 characters) of a cell of a block, in the
// heading font at the cell's text position.
void DrawBlockHeadingText(DescriptionSurface& surface, int block, int cell, std::string_view text);

}  // namespace oltoma::ol
