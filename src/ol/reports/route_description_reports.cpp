#include "ol/reports/route_description_reports.h"

#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "print/report_writer.h"

namespace oltoma::ol {

bool RefuseOlderRouteFormat() {
    if (Ol().Route24FileOpen) {
        return false;
    }
    DisplayMessage(
        200, Windows1252FromUtf8("Rutbeskrivningarna har äldre format och kan ej skrivas ut"));
    return true;
}

void PrintSymbolInEveryColumn(const Rutb24Rec& route) {
    ReserveSpace({}, RowHeight());
    GridSymbols().UseSymbol(SymbolOf(route));
    for (int line = 1; line <= 3; ++line) {
        TabChars(12);
        for (int cell = 1; cell <= kCellsPerBlock; ++cell) {
            DrawCell(line, 1, cell, {});
        }
    }
    GotoPixelY(-RowHeight());
}

void PrintRouteDescriptions(PickedRecords& symbols, const ReportRun& run, char mode) {
    if (RefuseOlderRouteFormat() || symbols.Antal() < 1) {
        return;
    }
    if (OpenReport("rutbeskr", run)) {
        const DescriptionDrawingScope grid;
        Heading("rutbeskrivningar (" + ScaleHeadingText() +
                " Antal: " + IntSpacePadded(symbols.Antal(), 4));
        int done = 0;
        bool stop = false;
        for (int ix = 0; ix < symbols.Antal() && !stop; ++ix) {
            if (symbols.GetPickData(ix) < 0) {
                continue;
            }
            const Rutb24Rec route = Ol().route24.rec;
            ShowProgress(++done, symbols.Antal());
            ShowStatus(1, "ruta:" + IntSpacePadded(route.Mark, 3) + " " +
                              Windows1252FromUtf8("SökText: ") + route.Namn.str());
            switch (mode) {
                case 'd':
                    PrintRouteDataBlock(route);
                    break;
                case 'p':
                    PrintRouteCatalogueBlock(route);
                    break;
                default:
                    PrintRouteFormBlock(route);
                    break;
            }
            stop = PrintAborted();
        }
        PrintClosingPictures();
    }
    ReportEnd(false);
}

}  // namespace oltoma::ol
