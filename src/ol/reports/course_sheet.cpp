#include "ol/reports/course_sheet.h"

#include <algorithm>
#include <cmath>

#include "base/text/number_format.h"
#include "ol/reports/course_controls.h"
#include "ol/reports/description_cells.h"
#include "ol/reports/description_geometry.h"

namespace oltoma::ol {
namespace {

platform::FontDescription SheetFont(const char* face, double pixels, bool fixed) {
    platform::FontDescription font;
    font.face = face;
    font.height = -std::max(1, static_cast<int>(std::nearbyint(pixels)));
    font.pixelsPerInch = 96;
    font.pitch = fixed ? platform::FontPitch::Fixed : platform::FontPitch::Variable;
    font.bold = true;
    return font;
}

// The sheet's cells on the canvas, one row at a time.
class SheetSurface final : public DescriptionSurface {
public:
    SheetSurface(platform::Canvas& canvas, const CourseSheetGeometry& geometry)
        : canvas_(canvas), geometry_(geometry) {}

    void SetRow(int row) { row_ = row; }

    double RowHeight() const override { return geometry_.RowHeight(); }
    double HeadingOffset() const override { return geometry_.RowHeight() / 12; }
    int CellLeft(int, int cell) const override {
        return cell < 0 ? geometry_.TextLeft(-cell) : geometry_.ColumnLeft(cell);
    }
    int RowTop() const override { return geometry_.RowTop(row_); }

    void DrawPicture(const platform::Picture& picture, int, int cell) override {
        const double scale = geometry_.Scale();
        const int left = CellLeft(1, cell);
        const int top = RowTop();
        const int width = static_cast<int>(std::nearbyint(picture.width() * scale / 10));
        const int height = static_cast<int>(std::nearbyint(picture.height() * scale / 15));
        canvas_.StretchDraw({left, top, left + width, top + height}, picture);
    }

    void DrawText(CellFont font, int x, int y, std::string_view text) override {
        const platform::FontDescription saved = canvas_.Font();
        canvas_.SetFont(font == CellFont::heading ? geometry_.HeadingFont()
                        : font == CellFont::cell  ? geometry_.CellFont()
                                                  : geometry_.CodeFont());
        canvas_.SetTextAlignUpdatePosition(false);
        canvas_.TextOut({x, y}, text);
        canvas_.SetFont(saved);
    }

    void DrawDiagonal(platform::Point from, platform::Point to) override {
        // As thick, in units, as the printed grid's diagonal.
        const int width = std::max(1, static_cast<int>(std::nearbyint(geometry_.Scale() / 6.0)));
        canvas_.SetPen(width, 0);
        canvas_.MoveTo(from);
        canvas_.LineTo(to);
        canvas_.SetPen(1, 0);
    }

private:
    platform::Canvas& canvas_;
    const CourseSheetGeometry& geometry_;
    int row_ = 1;
};

void DrawRow(SheetSurface& surface, DescriptionSymbols& symbols, int row, const KontrRec& slot) {
    surface.SetRow(row);
    for (const int line : {1, 3, 2}) {
        DrawControlBlock(surface, symbols, line, 1, slot);
    }
}

}  // namespace

CourseSheetGeometry::CourseSheetGeometry(int scale, int controls)
    : scale_(scale > 0 ? scale : 10), controls_(std::clamp(controls, 0, kCourseControlCount)) {
    leftm_ = static_cast<int>(scale_ / 10.0 * 48) / 2;
    topm_ = static_cast<int>(72.0 * scale_ / 30);
}

bool CourseSheetGeometry::Fits() const {
    const std::int64_t width = Width();
    const std::int64_t height = Height();
    return width > 0 && height > 0 && width <= kMaxSheetSide && height <= kMaxSheetSide &&
           width * height * 4 <= kMaxSheetBytes;
}

int CourseSheetGeometry::ColumnLeft(int column) const {
    return leftm_ + static_cast<int>(scale_ / 10.0 * CellUnits(column));
}

int CourseSheetGeometry::TextLeft(int column) const {
    return leftm_ + static_cast<int>(scale_ / 10.0 * (CellUnits(column) + 5));
}

int CourseSheetGeometry::RowTop(int row) const {
    return topm_ + static_cast<int>(72.0 * (row - 1) * 2 * scale_ / 30);
}

platform::FontDescription CourseSheetGeometry::HeadingFont() const {
    return SheetFont("Arial", scale_ * 20 / 10.0, false);
}

platform::FontDescription CourseSheetGeometry::CellFont() const {
    return SheetFont("Arial", scale_ * 18 / 10.0, false);
}

platform::FontDescription CourseSheetGeometry::CodeFont() const {
    return SheetFont("Courier", scale_ * 7 / 10.0, true);
}

void DrawCourseSheet(platform::Canvas& canvas, const CourseSheetGeometry& geometry,
                     DescriptionSymbols& symbols, const TrackRec& course, int splitIndex) {
    SheetSurface surface(canvas, geometry);
    surface.SetRow(1);
    const std::string length = IntSpacePadded(CourseLength(course, splitIndex), 7);
    for (const int line : {1, 3, 2}) {
        DrawHeadingBlock(surface, symbols, line, 1, course.Bana.view(), length);
    }
    CourseControls controls(course);
    const int count = ControlCount(course);
    for (int place = 1; place <= count; ++place) {
        DrawRow(surface, symbols, place + 1, controls.Slot(place));
    }
    KontrRec closing{};
    closing.KodNr = kClosingCode;
    DrawRow(surface, symbols, count + 2, closing);
}

}  // namespace oltoma::ol
