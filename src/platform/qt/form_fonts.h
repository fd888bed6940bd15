// The design fonts of the main window and the dialogs at scale 100. Faces that a Linux desktop may
// lack are followed by their metric-compatible stand-ins (fonts-liberation2).
#pragma once

#include <QFont>
#include <QStringList>

namespace oltoma {

inline QFont DesignFont(const QStringList& families, int pixels, bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// "Tahoma", 11 pixels: the window's own font.
inline QFont WindowFont() {
    return DesignFont({"Tahoma", "Liberation Sans", "DejaVu Sans"}, 11);
}

// "Segoe UI", 12 pixels: the status bars and menus.
inline QFont StatusBarFont() {
    return DesignFont({"Segoe UI", "Liberation Sans", "DejaVu Sans"}, 12);
}

// A sans-serif face of the given pixel size.
inline QFont SansSerifFont(int pixels, bool bold = false) {
    return DesignFont({"Arial", "Liberation Sans", "DejaVu Sans"}, pixels, bold);
}

// "Courier New" bold, 13 pixels: the lists whose lines are laid out in
// columns (registers, picks).
inline QFont FixedPitchFont(int pixels = 13) {
    return DesignFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, pixels, true);
}

}  // namespace oltoma
