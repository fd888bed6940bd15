// The data listing of a symbol ("data och sökord"): its identification,
// its 432 picture bytes as numbers and the symbol in each column.
#include "base/text/number_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/route_description_reports.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

constexpr int kHalfColumns = 24;
constexpr const char* kBandPrefix[] = {"  I ", " II ", "III "};

}  // namespace

void PrintRouteDataBlock(const Rutb24Rec& route) {
    PushFontObject(GridCodeFont(CoursePrintScale(Ol().competition.rec)));
    RoomForLinesPlus(true, 21, RowHeight());
    ReserveLines({}, 20);
    TabChars(1);
    WriteText(IntSpacePadded(route.Rc, 3) + " " + route.Namn.str());
    TabChars(25);
    WriteLine(route.Text.view());
    for (int band = 0; band < kSymbolBlockCount; ++band) {
        bool first = true;
        for (int half = 0; half < 2; ++half) {
            for (int strip = 0; strip < kSymbolRowCount; ++strip) {
                std::string line = first ? kBandPrefix[band] : "    ";
                first = false;
                line += std::to_string(strip + 1) + ". ";
                for (int column = half * kHalfColumns; column < (half + 1) * kHalfColumns;
                     ++column) {
                    line += IntSpacePadded(route.Symbol[band][strip][column], 3) + " ";
                }
                WriteLine(line);
            }
        }
    }
    WriteLine();
    ReserveLines({}, 1);
    PrintSymbolInEveryColumn(route);
    WriteLine();
    PopFont();
}

}  // namespace oltoma::ol
