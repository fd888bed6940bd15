#include "labels/forms/setting_fonts.h"

#include "base/settings/font_conversion.h"
#include "platform/qt/qt_font.h"

namespace oltoma::labels::forms {

namespace {
constexpr int kDesignPixelsPerInch = 96;
}  // namespace

QFont ScreenFontOf(const FontSpec& stored) {
    platform::FontDescription description;
    SpecToFont(stored, description);
    return platform::QFontOf(description, kDesignPixelsPerInch);
}

}  // namespace oltoma::labels::forms
