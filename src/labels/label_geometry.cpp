#include "labels/label_geometry.h"

#include <algorithm>

#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

constexpr int kMostAcross = 8;

}  // namespace

platform::Rect LabelPlace(const LabelSetting& setting, int row, int column) {
    const double rowPitch = setting.rowPitch;
    const double rowSpare = (rowPitch - setting.labelHeight) / 2.0;
    const double columnPitch = setting.columnPitch;
    const double columnSpare = (columnPitch - setting.labelWidth) / 2.0;
    platform::Rect place;
    place.top = -RoundHalfEven(setting.topMargin + rowPitch * (row - 1) + rowSpare);
    place.bottom = -RoundHalfEven(setting.topMargin + rowPitch * row - rowSpare);
    place.left = RoundHalfEven(setting.leftMargin + columnPitch * (column - 1) + columnSpare);
    place.right = RoundHalfEven(setting.leftMargin + columnPitch * column - columnSpare);
    return place;
}

bool PlaceFits(const platform::Rect& place, int printableWidth, int printableHeight) {
    return -place.top < printableHeight && place.left < printableWidth;
}

int PrintedAcross(const LabelSetting& setting) {
    return std::clamp(static_cast<int>(setting.across), 1, kMostAcross);
}

int PrintedRows(const LabelSetting& setting) {
    return std::max(1, static_cast<int>(setting.rows));
}

}  // namespace oltoma::labels
