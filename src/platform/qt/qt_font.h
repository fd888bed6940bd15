// Between Qt's fonts and the platform's font description, for the printer
// canvas and the font dialogs.
#pragma once

#include <QFont>

#include "platform/font_description.h"

namespace oltoma::platform {

// The font at its point size (FontPoints) set in pixels of a device of
// pixelsPerInch: face, weight, style, underline, strike-out and a fixed
// pitch.
QFont QFontOf(const FontDescription& font, int pixelsPerInch);

// The description of a font chosen on screen: face, style, pitch and its
// point size as a character height at the description's 96 pixels an
// inch, so a font chosen at n points prints at n points. The colour, the
// character set and the description's resolution are those of `base`.
FontDescription DescriptionOf(const QFont& font, const FontDescription& base = {});

}  // namespace oltoma::platform
