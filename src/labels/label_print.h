// Label printing: labels (and giro slips) are placed on sheets of
// self-adhesive labels in the grid of the current label setting, through
// the report writer's printer in the low-metric mode (label_geometry.h).
// Each label is repeated `copies` times; labels run across each row and
// down the sheet, and a new sheet starts when the grid is full.
//
// Calling order: StartLabelPrint -> PrintLabel per label (with ShowProgress
// between them) -> EndLabelPrint, which runs also when the start failed.
//
// Printing state (process-wide, from the start to the end of a print):
//   saved setting  the current LabelSetting as it was at the start; the
//                  end puts it back (printing cuts `across` to 8)
//   copies         places per PrintLabel: the setting's copies, or the
//                  number the user gave
//   column, row    the place printed last (column 0 before the first)
//   sheet          the sheet printed on, from 1
//   count          labels painted so far
#pragma once

#include <string_view>

#include "platform/print/geometry.h"
#include "platform/services.h"

namespace oltoma::labels {

struct LabelPrintState {
    int copies = 1;
    int column = 0;
    int row = 1;
    int sheet = 1;
    int count = 0;
};

// What draws one place: its rectangle, the text and the caller's argument.
using LabelPainter = void (*)(const platform::Rect& place, std::string_view text, int argument);

// Saves the current label setting, resets the state and takes the copies
// (a setting below 1 asks "Antal kopior:"), then opens the report writer on
// the setting's printer and switches to the low-metric mode with top-left
// text alignment. A setting whose first place does not fit on the page
// prints nothing: the job is cancelled and (class 2) "Etiketterna ryms inte
// på sidan med etikettinställningen "<name>"" is shown. Returns whether
// labels can be printed.
bool StartLabelPrint(std::string_view title, platform::WindowHandle owner);

// Places the label `copies` times, calling the painter for each place;
// stops when the print is aborted. A place that does not fit moves to the
// first place of a new sheet (status line 2 "Ark nr:" + sheet in 3).
void PrintLabel(std::string_view text, LabelPainter painter, int argument);

// The label painter: a picture label's picture stretched over the place;
// a text label's text word-wrapped in the first of the fonts "B" "N" "S"
// "b" "n" "s" in which it fits, centred in the place, or from its top-left
// corner in "s" when none fits. Status lines 1 (the first line) and 3
// ("Antal :" + count in 3).
void PaintLabel(const platform::Rect& place, std::string_view text, int argument);

// Ends the job without a footer and puts the saved setting back, with
// copies 1 when it held less.
void EndLabelPrint();

const LabelPrintState& LabelPrinting();

// The print button of the label dialog: prints the label text n times
// (each time `copies` labels; nothing for n below 1) under the title
// "etiketter", with the progress shown. Returns whether anything could be
// printed.
bool PrintLabelTimes(std::string_view text, int n, platform::WindowHandle owner);

}  // namespace oltoma::labels
