// The fonts of the current label setting as the label and giro slip
// dialogs show them on screen.
#pragma once

#include <QFont>

#include "base/settings/settings_records.h"

namespace oltoma::labels::forms {

// A stored font at its point size on a screen of the design's 96 pixels an
// inch (the form's scaling enlarges it with the form).
QFont ScreenFontOf(const FontSpec& stored);

}  // namespace oltoma::labels::forms
