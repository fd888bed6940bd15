#include "platform/qt/qt_font.h"

#include <algorithm>
#include <cmath>

#include "platform/print/canvas.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {

QFont QFontOf(const FontDescription& font, int pixelsPerInch) {
    QFont qfont(ToQString(font.face));
    const int points = FontPoints(font);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(points * pixelsPerInch / 72.0))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    if (font.pitch == FontPitch::Fixed) {
        qfont.setFixedPitch(true);
        qfont.setStyleHint(QFont::TypeWriter);
    }
    return qfont;
}

FontDescription DescriptionOf(const QFont& font, const FontDescription& base) {
    FontDescription description = base;
    description.face = FromQString(font.family());
    const double points = font.pointSizeF() > 0
                              ? font.pointSizeF()
                              : font.pixelSize() * 72.0 / description.pixelsPerInch;
    description.SetSize(static_cast<int>(std::lround(points)));
    description.bold = font.bold();
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    description.pitch = font.fixedPitch() ? FontPitch::Fixed : FontPitch::Variable;
    return description;
}

}  // namespace oltoma::platform
