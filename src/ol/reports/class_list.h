// The class list ("klasslista", job title "klasser"): for each picked class
// of the current competition a summary line with its numbering, counts and
// limits, then its values per stage as labelled items laid across the
// column.
//
// With m the competition's split index (MellanTid) and n the class's stages
// (StrNr), an item is its label and one value per stage right-aligned in 6
// and followed by a blank (the two "Sammanl." items have one value in 2):
// u = 7n + 12 characters. On a column of C characters (medium font) k = C
// div u items fit on a line at the pitch w = u + (C mod u) div k; a column
// narrower than one item (k = 0) takes one item per line (k = 1, w = u). A
// one-day competition's classes have 13 items, direct classes (named by the
// competition's dirklassfilter) and every class of a multi-day competition
// 16 (start interval, same-time starts, file number and pursuit instead of
// the draw).
#pragma once

#include <string>
#include <vector>

#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/reports/picked_records.h"
#include "ol/reports/report_run.h"

namespace oltoma::ol {

// The header line written once after the competition header.
std::string ClassListHeaderLine();

// The layout of a class's items on a column of `columnChars` characters.
struct ClassItemLayout {
    int itemChars = 0;  // u
    int perLine = 1;    // k
    int pitch = 0;      // w
    int items = 13;
    int lines = 0;  // ceil(items / k)
};
ClassItemLayout LayOutClassItems(int columnChars, const KlassRec& klass,
                                 const InfoRec& competition);

// The summary line of a class.
std::string ClassSummaryLine(const KlassRec& klass, const InfoRec& competition);

// The items of a class, each its label and values, in order.
std::vector<std::string> ClassItems(const KlassRec& klass, const InfoRec& competition,
                                    int itemCount);

// Prints the picked classes (each loaded into the class buffer by the
// pick). DagStr becomes 1 and stays so.
void PrintClassList(PickedRecords& classes, const ReportRun& run);

}  // namespace oltoma::ol
