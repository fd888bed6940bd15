// Giro slip printing: the slip in the giro record buffer is printed onto
// pre-printed paper forms, one slip per place of the current label
// setting's grid (label_print.h), its fields where the form's table puts
// them (giro_fields.h).
#pragma once

#include <string_view>

#include "labels/giro_fields.h"
#include "labels/giro_rec.h"
#include "platform/print/geometry.h"
#include "platform/services.h"

namespace oltoma::labels {

enum class Alignment { Left, Right };

// Draws a text fitted into a rectangle of the canvas (low-metric mode): the
// first of the fonts "B" "N" "S" "b" "n" "s" in which the text fits (lines
// break only at CR LF) is used and the text block is centred in the
// rectangle (a right-aligned text keeps its right edge); when none fits the
// text is drawn in "s" from the top-left corner, and may run outside. An
// empty text draws nothing.
void FitText(std::string_view text, const platform::Rect& rect, Alignment alignment);

// Writes a text digit by digit into the boxes of a box field of a place,
// from the last character to the first (giro_fields.h): an amount without
// a "." gets ".00" first.
void DrawBoxes(std::string_view text, const platform::Rect& place, Tgirotyp kind, GiroField field);

// The painter of a slip kind (argument): draws the fields of the giro
// record into the place.
void PaintGiroSlip(const platform::Rect& place, std::string_view text, int kind);

// Prints the giro record at the next `copies` places.
void PrintGiroSlip(Tgirotyp kind);

// "utskrift" of a slip dialog: prints the giro record n times (nothing for
// n below 1) under the title "giroblanketter". Returns whether anything
// could be printed.
bool PrintGiroSlips(Tgirotyp kind, int n, platform::WindowHandle owner);

}  // namespace oltoma::labels
