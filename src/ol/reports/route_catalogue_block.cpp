// The catalogue line of a symbol ("sammanställning"): the symbol once, with
// its number, record number, key and text beside it.
#include "base/text/number_format.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/route_description_reports.h"
#include "print/report_writer.h"

namespace oltoma::ol {

void PrintRouteCatalogueBlock(const Rutb24Rec& route) {
    PushFont('S');
    ReserveLines({}, 1);
    ReserveSpace({}, RowHeight());
    GridSymbols().UseSymbol(SymbolOf(route));
    for (int line = 1; line <= 3; ++line) {
        TabChars(12);
        DrawCell(line, 1, 1, {});
        if (line == 3) {
            TabChars(24);
            WriteText("[" + IntSpacePadded(route.Mark, 3) + "]");
            TabChars(30);
            WriteText(IntSpacePadded(route.Rc, 3));
            TabChars(34);
            WriteText(route.Namn.view());
            TabChars(58);
            WriteText(route.Text.view());
        }
    }
    GotoPixelY(-RowHeight());
    WriteLine();
    PopFont();
}

}  // namespace oltoma::ol
