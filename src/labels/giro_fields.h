// Where the fields of a giro slip are printed on the paper forms, in tenths
// of a millimetre from the top-left corner of the slip's place (y growing
// downwards). One table per form; the slip printers, the form pictures and
// the slip dialogs all read these tables.
//
// Plusgiro form (kind 0), 2100 x 1016:
//   field      rectangle or first box     written
//   gtxt       (150, 140, 1050, 610)      fitted, left-aligned
//   gadrtxt    (1100, 360, 1800, 580)     fitted, left-aligned
//   TillG      (1100, 100, 1470, 150)     fitted, left-aligned
//   Mottagare  (1100, 185, 1650, 325)     fitted, left-aligned
//   EgetKonto  (1100, 625, 1920, 680)     fitted, left-aligned
//   AttBetala  (1135, 780, 1190, 830)     9 boxes, pitch 36.3, every
//                                         character drawn (the decimal
//                                         point too), extra gap 4 after the
//                                         5th and the 8th character
//
// Postgiro form (kind 1), 2100 x 1016:
//   Referens   (1040, 140, 1090, 220)     12 boxes, pitch 63.5
//   gtxt       (190, 260, 1090, 580)      fitted, left-aligned
//   gadrtxt    (1170, 360, 2050, 580)     fitted, left-aligned
//   TillG      (1785, 140, 1835, 220)     10 boxes, pitch 63.5
//   Mottagare  (1170, 255, 2050, 335)     fitted, left-aligned
//   EgetKonto  (150, 700, 800, 755)       fitted, left-aligned
//   AttBetala  (1855, 670, 1910, 750)     8 boxes, pitch 63.5; a decimal
//                                         point is not drawn but moves the
//                                         box 34 to the left; extra gap 7
//                                         after the 5th and the 8th digit
//
// Bankgiro form (kind 3), 2100 x 1016:
//   gtxt       (110, 90, 2040, 370)       fitted, left-aligned
//   gadrtxt    (110, 420, 1110, 600)      fitted, left-aligned
//   TillG      (1180, 670, 1620, 725)     fitted, left-aligned
//   Mottagare  (1150, 420, 2000, 600)     fitted, left-aligned
//   EgetKonto  (110, 670, 550, 725)       fitted, left-aligned
//   AttBetala  (620, 670, 1100, 725)      fitted, right-aligned
//
// Boxes are written from the last character to the first, the first box
// being the rightmost; the number of boxes is what the form offers (its
// picture and the dialog's field span them). Lnr is not printed; Referens
// only on the postgiro form.
#pragma once

#include <span>
#include <vector>

#include "labels/giro_rec.h"

namespace oltoma::labels {

// A slip's place on paper: the form's size.
inline constexpr int kGiroFormWidth = 2100;
inline constexpr int kGiroFormHeight = 1016;

enum class GiroField { Message, Address, TillG, Mottagare, EgetKonto, AttBetala, Referens };
enum class Writing { FittedLeft, FittedRight, Boxes };

struct GiroFieldPlace {
    GiroField field;
    int left;  // the rectangle, or the first (rightmost) box
    int top;
    int right;
    int bottom;
    Writing writing;
    double pitch = 0;           // boxes: from one box to the next on its left
    int boxes = 0;              // boxes on the form
    int extraGap = 0;           // amounts: after the 5th and the 8th character drawn
    int decimalPointShift = 0;  // not 0: a "." is not drawn but moves the box left
};

// The fields of a form: kinds 0, 1 and 3 (nothing for the others).
std::span<const GiroFieldPlace> GiroFieldsOf(Tgirotyp kind);

// The field's place in a form, or null when the form does not print it.
const GiroFieldPlace* FindGiroField(Tgirotyp kind, GiroField field);

// The rectangle a field covers on the form (for box fields, from the left
// edge of the leftmost box to the right edge of the first), as
// (left, top, right, bottom) with y downwards.
struct FieldExtent {
    int left;
    int top;
    int right;
    int bottom;
};
FieldExtent ExtentOf(const GiroFieldPlace& place);

// Moves a box to the next one on its left: each edge minus the pitch,
// rounded to the nearest integer with halves to even (with pitch 63.5 an
// even edge moves by 64 and an odd one by 63).
void StepBoxLeft(int& left, int& right, double pitch);

// Whether the extra gap of an amount follows the n-th character drawn.
bool GapFollows(int drawn);

// The boxes of a box field, first (rightmost) box first, where the printers
// put the characters of a full field (an amount with its öre, the decimal
// point's shift where it takes no box), for a place whose left edge is at
// x = placeLeft.
std::vector<FieldExtent> BoxesOf(const GiroFieldPlace& place, int placeLeft = 0);

}  // namespace oltoma::labels
