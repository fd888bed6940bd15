// The drawing form of a symbol ("blankett"): the picture as a grid of
// characters, one line per dot row, with the byte values listed beside it,
// for checking or designing symbols by hand.
//
// With C the column's width in characters of the code font, t = (C - 71)
// div 4 byte values fit on a line beside the grid. The values are listed in
// chunks of t columns of a strip ("band:strip:first-last!" and the values
// right-aligned in 4), strip after strip, one chunk per grid line. A column
// too narrow for one value (t < 1) lists none; its rulers are 10 wide.
#include <algorithm>

#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/route_description_reports.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

constexpr int kGridColumns = 48;
constexpr int kStrips = kSymbolBlockCount * kSymbolRowCount;
// Lines reserved ahead of the bit rows 7, 4 and 1 of a strip, so a page
// breaks only between these groups and every strip's 8 lines are counted.
constexpr int kGroupStartRows[] = {7, 4, 1};
constexpr int kGroupLines[] = {3, 3, 2};

// The chunks of byte values of the 9 strips, in order.
class ValueChunks {
public:
    ValueChunks(const Rutb24Rec& route, int perLine) : route_(route), perLine_(perLine) {}

    // The next chunk's text; empty when all are listed (or none fit).
    std::string Next() {
        if (perLine_ < 1 || strip_ >= kStrips) {
            return {};
        }
        const int band = strip_ / kSymbolRowCount;
        const int row = strip_ % kSymbolRowCount;
        const int last = std::min(column_ + perLine_, kGridColumns);
        std::string text = std::to_string(band + 1) + ":" + std::to_string(row + 1) + ":" +
                           IntSpacePadded(column_ + 1, 2) + "-" + IntSpacePadded(last, 2) + "!";
        for (int column = column_; column < last; ++column) {
            text += IntSpacePadded(route_.Symbol[band][row][column], 4);
        }
        column_ = last;
        if (column_ >= kGridColumns) {
            column_ = 0;
            ++strip_;
        }
        return text;
    }

private:
    const Rutb24Rec& route_;
    int perLine_;
    int strip_ = 0;
    int column_ = 0;
};

std::string ColumnRuler() {
    std::string ruler;
    for (int column = 2; column <= kGridColumns; column += 2) {
        ruler += " " + std::to_string(column % 10);
    }
    return ruler;
}

// One dot row of a strip; false when the job was cancelled meanwhile.
bool PrintDotRow(const Rutb24Rec& route, int band, int strip, int bit, ValueChunks& chunks) {
    if (strip == 0 && bit == 7) {
        TabChars(3);
        WriteText("r" + std::to_string(band + 1));
    }
    if (bit == 7) {
        TabChars(6);
        WriteText("h" + std::to_string(strip + 1));
    }
    TabChars(10);
    WriteText(std::to_string(bit));
    std::string dots = "!";
    for (int column = 0; column < kGridColumns; ++column) {
        if (PrintAborted()) {
            return false;
        }
        const bool set = (route.Symbol[band][strip][column] >> bit) & 1;
        dots += set ? static_cast<char>('0' + bit) : '-';
    }
    TabChars(11);
    WriteText(dots + "! ");
    WriteLine(chunks.Next());
    return true;
}

}  // namespace

void PrintRouteFormBlock(const Rutb24Rec& route) {
    PushFontObject(GridCodeFont(CoursePrintScale(Ol().competition.rec)));
    const int perLine = (ColumnChars() - kGridColumns - 23) / 4;
    const int rulerWidth = 4 * std::max(perLine, 0) + 10;
    RoomForLines(true, 76);
    ReserveLines({}, 3);
    Rule();
    TabChars(62);
    WriteLine(" " + RepeatChar('=', rulerWidth));
    TabChars(12);
    const std::string identification = "[" + IntSpacePadded(route.Mark, 3) + "] " +
                                       IntSpacePadded(route.Rc, 3) + " " + route.Namn.str() + ", " +
                                       route.Text.str();
    WriteLine(ColumnRuler() + "   " +
              identification.substr(0, static_cast<std::size_t>(rulerWidth)));
    TabChars(11);
    WriteLine(RepeatChar('-', 50) + "  " + RepeatChar('=', rulerWidth));
    ValueChunks chunks(route, perLine);
    for (int band = 0; band < kSymbolBlockCount; ++band) {
        for (int strip = 0; strip < kSymbolRowCount; ++strip) {
            for (int bit = 7; bit >= 0; --bit) {
                for (std::size_t group = 0; group < std::size(kGroupStartRows); ++group) {
                    if (bit == kGroupStartRows[group]) {
                        ReserveLines({}, kGroupLines[group]);
                    }
                }
                if (!PrintDotRow(route, band, strip, bit, chunks)) {
                    PopFont();
                    return;
                }
            }
        }
    }
    ReserveLines({}, 1);
    TabChars(11);
    WriteLine(RepeatChar('-', 50));
    PrintSymbolInEveryColumn(route);
    PopFont();
}

}  // namespace oltoma::ol
