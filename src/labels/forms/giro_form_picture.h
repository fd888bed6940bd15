// The pictures of the three paper giro forms, drawn in code from the field
// tables the slip printers use (labels/giro_fields.h): the paper, the
// form's name, a frame and a caption for every field and the boxes of the
// box fields. The menu entries of the main window show them, and the slip
// dialogs place their controls over them.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

#include "labels/giro_fields.h"

namespace oltoma::labels::forms {

// The form of a kind (plusgiro, postgiro, bankgiro; any other kind draws
// the bankgiro form) drawn over `size` pixels: the form's 2100 x 1016
// tenths of a millimetre are stretched over it. A picture less than 200
// pixels high (a menu entry) is a strip of the form's colours with its
// name, amount boxes and reading line.
QPixmap GiroFormPicture(Tgirotyp kind, QSize size);

// Where a field of the form lies in a picture of that size.
QRect FieldRectIn(const FieldExtent& extent, QSize size);

}  // namespace oltoma::labels::forms
