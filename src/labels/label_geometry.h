// Where the labels of a label setting lie on a sheet. Lengths are tenths
// of a millimetre on the printer canvas in the low-metric mode: x to the
// right and y up from the top-left corner of the printable area, so places
// lie at negative y. The setting's margins are offsets from that corner
// (negative margins reach back towards the edge of the stock).
//
//   row r:     top    = -round(top margin + row pitch * (r - 1)
//                               + (row pitch - label height) / 2)
//              bottom = -round(top margin + row pitch * r
//                               - (row pitch - label height) / 2)
//   column c:  left   =  round(left margin + column pitch * (c - 1)
//                               + (column pitch - label width) / 2)
//              right  =  round(left margin + column pitch * c
//                               - (column pitch - label width) / 2)
//
// Every label is thus centred in its pitch cell; rounding halves to even.
#pragma once

#include "base/settings/settings_records.h"
#include "platform/print/geometry.h"

namespace oltoma::labels {

// The place of the label at row and column (both from 1).
platform::Rect LabelPlace(const LabelSetting& setting, int row, int column);

// A place fits when its top edge lies above the bottom of the printable
// area and its left edge left of its right end (both in tenths of a
// millimetre). Only those two edges count: a label may run over the edge.
bool PlaceFits(const platform::Rect& place, int printableWidth, int printableHeight);

// Labels across a sheet as printed: the setting's value cut to 8, and 1
// for a value below 1; rows per sheet: 1 for a value below 1.
int PrintedAcross(const LabelSetting& setting);
int PrintedRows(const LabelSetting& setting);

}  // namespace oltoma::labels
