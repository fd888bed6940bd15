// The course picture: the description sheet of one course drawn on a canvas
// of its own (the course picture window draws it on an image), with the
// cell rules of the printed grid. A unit is s/10 pixels, s the
// competition's course print scale (0 counts as 10):
//
//   quantity                  pixels
//   left edge of column c     leftm + trunc(s/10 (48(c - 1) + 8 when c >= 3)),
//                             c = 1..10 (9 is the right edge)
//   text position             the same with 5 units added
//   top edge of row r         topm + trunc(72 (r - 1) 2s/30): 4.8s per row
//   leftm                     trunc(48 s/10) div 2, half a cell
//   topm                      trunc(72 s/30), half a row
//   width                     the left edge of column 10
//   height                    the top edge of row Antal + 3
//
// Row 1 is the heading (course and length), rows 2 .. Antal + 1 the
// controls, row Antal + 2 the closing row. Symbols are drawn with the x
// scale s/10 and the y scale s/15, so every cell is a square of 4.8s.
// Fonts: heading Arial bold round(2s) pixels, cell Arial bold round(1.8s),
// code Courier round(0.7s).
#pragma once

#include <cstdint>

#include "ol/data/records/track_rec.h"
#include "ol/reports/description_symbols.h"
#include "platform/font_description.h"
#include "platform/print/canvas.h"

namespace oltoma::ol {

// Largest side and image size a course picture may have: Qt's own limits
// for images it reads.
inline constexpr int kMaxSheetSide = 32767;
inline constexpr std::int64_t kMaxSheetBytes = 256LL * 1024 * 1024;

class CourseSheetGeometry {
public:
    // Scale s (0 counts as 10) for a course of `controls` controls (0..35).
    CourseSheetGeometry(int scale, int controls);

    int Scale() const { return scale_; }
    int LeftMargin() const { return leftm_; }
    int TopMargin() const { return topm_; }
    int Width() const { return ColumnLeft(10); }
    int Height() const { return RowTop(controls_ + 3); }
    // A 32-bit image of the sheet stays within the limits above.
    bool Fits() const;

    int ColumnLeft(int column) const;
    int TextLeft(int column) const;
    int RowTop(int row) const;
    double RowHeight() const { return 72.0 * 2 * scale_ / 30; }

    platform::FontDescription HeadingFont() const;
    platform::FontDescription CellFont() const;
    platform::FontDescription CodeFont() const;

private:
    int scale_;
    int controls_;
    int leftm_;
    int topm_;
};

// Draws the sheet of `course` on `canvas` (a white page at least
// geometry.Width() x geometry.Height() pixels, in the text mode): the
// heading row with the designation and the length at `splitIndex`, a row
// per control (numbered, or the placeholder of a control missing from the
// control file), and the closing row. The control file is only read.
void DrawCourseSheet(platform::Canvas& canvas, const CourseSheetGeometry& geometry,
                     DescriptionSymbols& symbols, const TrackRec& course, int splitIndex);

}  // namespace oltoma::ol
