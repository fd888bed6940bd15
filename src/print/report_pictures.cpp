// Pictures in reports: scaled bitmaps at the cursor, picture files in a
// rectangle, and the closing row of up to five pictures above the footer
// of the last page.
//
// Closing pictures are laid from the right edge of the column leftwards, in
// rows that grow upwards from the footer rule, 2 units apart. A picture of
// size divisor n takes (W - 2n) div n of the column width W, keeping its
// aspect ratio. A picture that would reach above the last text of its
// column is tried in the following (empty) columns of the page, and is
// skipped when it fits nowhere; no page is started for it.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "platform/print/builtin_pictures.h"
#include "platform/print/picture_loader.h"
#include "print/report_state.h"
#include "print/report_writer.h"

namespace oltoma {

using report_detail::CanDraw;
using report_detail::Canvas;
using report_detail::ReportState;
using report_detail::State;

namespace {

constexpr std::size_t kMaxStatusPath = 128;

struct PictureRow {
    int right;
    int rowHeight;
    int bottom;
};

// Places a picture of w x h in column `column` starting from row; returns
// its rectangle (y down) when it lies below `limit`, and advances row.
std::optional<platform::Rect> PlaceInColumn(PictureRow& row, int column, int n, int w, int h,
                                            int limit) {
    const int left = report_detail::ColumnStart(column);
    const int regionWidth = ColumnWidth();
    const double scale = static_cast<double>((regionWidth - 2 * n) / n) / w;
    const int placedWidth = static_cast<int>(scale * w);
    const int placedHeight = static_cast<int>(scale * h);
    if (placedWidth < 1 || placedHeight < 1) {
        return std::nullopt;
    }
    if (row.right - placedWidth - 2 >= left) {
        row.right -= placedWidth + 2;
    } else {
        if (row.rowHeight == 0) {
            row.rowHeight = placedHeight;
        }
        row.bottom -= row.rowHeight + 2;
        row.rowHeight = 0;
        row.right = left + regionWidth - 2 - placedWidth;
    }
    row.rowHeight = std::max(row.rowHeight, placedHeight);
    const int x = row.right;
    const int y = row.bottom - placedHeight - 2;
    if (y < limit) {
        return std::nullopt;
    }
    return platform::Rect{x, y, x + placedWidth, y + placedHeight};
}

// PlaceClosingPicture for a picture of w x h and size divisor n: tries the
// picture row's column, then each later column of the page afresh.
std::optional<platform::Rect> PlaceClosingPicture(int n, int w, int h) {
    ReportState& state = State();
    for (int column = state.pictureColumn; column <= state.columnCount; ++column) {
        PictureRow row{state.pictureRight, state.pictureRowHeight, state.pictureBottom};
        if (column != state.pictureColumn) {
            row = {report_detail::ColumnStart(column) + ColumnWidth(), 0, FooterTop()};
        }
        // Columns after the current one hold no text on this page.
        const int limit = column > state.currentColumn ? state.marginTop : state.curY;
        if (const auto place = PlaceInColumn(row, column, n, w, h, limit)) {
            state.pictureColumn = column;
            state.pictureRight = row.right;
            state.pictureRowHeight = row.rowHeight;
            state.pictureBottom = row.bottom;
            return place;
        }
    }
    return std::nullopt;
}

// The picture of slot i: its file when it exists, else the built-in one.
platform::Picture SlotPicture(int i, const PictureSlot& slot) {
    // Stored paths are Windows-1252; the file system wants UTF-8.
    const std::string storedPath = slot.path.str();
    const std::string path = Utf8FromWindows1252(storedPath);
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error)) {
        ShowStatus(5, storedPath.substr(0, kMaxStatusPath));
        return platform::LoadPictureFile(path);
    }
    const std::string name = "PrBildres" + std::to_string(i);
    ShowStatus(5, name);
    return platform::BuiltinPictureNamed(name);
}

}  // namespace

void PrintClosingPictures() {
    ReportState& state = State();
    const PrintSetting& setting = WorkingPrintSetting();
    if (!state.open) {
        return;
    }
    state.pictureColumn = state.currentColumn;
    state.pictureRight = report_detail::ColumnStart(state.currentColumn) + ColumnWidth();
    state.pictureRowHeight = 0;
    for (int i = 0; i < kPictureSlots; ++i) {
        const PictureSlot& slot = setting.pictures[i];
        if (slot.active == 0 || PrintAborted()) {
            continue;
        }
        const platform::Picture picture = SlotPicture(i, slot);
        if (picture.empty()) {
            continue;  // a file that cannot be read is left out
        }
        const int n = std::clamp(static_cast<int>(slot.size), 1, 9);
        const auto place = PlaceClosingPicture(n, picture.width(), picture.height());
        if (place && CanDraw()) {
            Canvas().FrameRect(*place);
            Canvas().StretchDraw(
                {place->left + 1, place->top + 1, place->right - 1, place->bottom - 1}, picture);
        }
    }
}

void DrawBitmapScaled(const platform::Picture& picture, double xScale, double yScale) {
    if (picture.empty()) {
        return;
    }
    ReportState& state = State();
    const int width = RoundHalfEven(picture.width() * xScale);
    const int height = RoundHalfEven(picture.height() * yScale);
    if (CanDraw()) {
        Canvas().StretchDraw({state.curX, state.curY, state.curX + width, state.curY + height},
                             picture);
    }
    state.curX += width + 1;
    report_detail::SyncPen();
}

void DrawPictureFile(const platform::Rect& rect, const std::string& fileName) {
    if (!CanDraw()) {
        return;
    }
    const platform::Picture picture = platform::LoadPictureFile(Utf8FromWindows1252(fileName));
    if (!picture.empty()) {
        Canvas().StretchDraw(rect, picture);
    }
}

}  // namespace oltoma
