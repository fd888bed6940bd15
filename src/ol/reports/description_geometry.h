// Geometry of the control description grid on a report column.
//
// A control description is a block of eight square cells (the columns A to
// H of the description) and a right edge. All sizes follow the
// competition's course print scale s (`banPrSkalaW`; 0 counts as 10) with
// the unit u = 3s/10 device units:
//
//   quantity        value
//   blocks across   trunc(column width / (413u)), at most 8; below 1 gives 1
//                   and message 201
//   block width B   column width / blocks across (real)
//   block margin m  (B - 392u) / 2, 0 when negative
//   cell c left     m + u(48(c - 1) + 8 when c >= 3), from the block's left
//                   edge; c below 1 counts as 1, 9 is the block's right edge
//   text position   cell left + 5u
//   row height R    round(144s / 10)
//
// So cell 2 (the control code) is 56 units wide, every other cell 48; a
// block holds 392 units and takes 413.
#pragma once

#include "ol/data/records/info_rec.h"

namespace oltoma::ol {

inline constexpr int kMaxBlocksAcross = 8;
// Cells of a block; cell 9 is the position of its right edge.
inline constexpr int kCellsPerBlock = 8;
inline constexpr int kRightEdgeCell = 9;

// The competition's course print scale, with a stored 0 made 10 (and stored
// back as 10).
int CoursePrintScale(InfoRec& competition);

// The layout of description blocks across a column of `columnWidth` device
// units at scale s (1..255).
struct GridLayout {
    int scale = 10;
    double unit = 3.0;      // u
    int fitting = 0;        // whole blocks that fit, at most 8 (may be 0)
    int blocks = 1;         // blocks across: `fitting`, at least 1
    double blockWidth = 0;  // B
    double margin = 0;      // m
};
GridLayout LayoutGrid(int columnWidth, int scale);

// Offset of cell `cell` of block `block` (from 1) from the column's left
// edge, truncated: B(block - 1) + the cell's left edge, or, for a negative
// cell number, the text position of cell |cell|.
int CellOffset(const GridLayout& layout, int block, int cell);

// Left edge of a cell within its block in units of u (cell below 1 counts
// as 1): 48(c - 1), plus 8 from cell 3 on.
int CellUnits(int cell);

// Row height R of scale s: round(144s / 10).
int RowHeightOf(int scale);

// On the running report (report writer), with the current competition:
// Blocks across the current column; shows message 201 "Utskriften får inte
// plats på bredden. För stor skala!" and returns 1 when none fits.
int BlocksAcross();
// R of the competition's scale.
int RowHeight();
// CellOffset on the current column (within the column; add ColumnLeft for
// device coordinates).
int CellX(int block, int cell);

}  // namespace oltoma::ol
