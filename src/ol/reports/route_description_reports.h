// The route description reports: the symbol library printed as a data
// listing ("d", "data och sökord"), a catalogue ("p", "sammanställning") or
// a drawing form ("b", "blankett"), one block per picked symbol, with the
// job title "rutbeskr".
#pragma once

#include "ol/data/records/rutb24_rec.h"
#include "ol/reports/picked_records.h"
#include "ol/reports/report_run.h"

namespace oltoma::ol {

// Prints the picked symbols (each loaded into the route description
// buffer by the pick) in mode 'd', 'p' or 'b'. With the older library
// format in use nothing is printed and "Rutbeskrivningarna har äldre
// format och kan ej skrivas ut" (code 200) is shown.
void PrintRouteDescriptions(PickedRecords& symbols, const ReportRun& run, char mode);

// True when the route descriptions in use are of the older format, which
// the reports cannot print; shows the message above.
bool RefuseOlderRouteFormat();

// The blocks, each for the symbol in `route`, with the description grid
// resources initialised. The form stops at once when the job is cancelled.
void PrintRouteDataBlock(const Rutb24Rec& route);
void PrintRouteCatalogueBlock(const Rutb24Rec& route);
void PrintRouteFormBlock(const Rutb24Rec& route);

// The symbol drawn eight times side by side from character 12, as it
// prints in the columns A to H, in a reserved row; the writer then moves
// a row lower.
void PrintSymbolInEveryColumn(const Rutb24Rec& route);

}  // namespace oltoma::ol
