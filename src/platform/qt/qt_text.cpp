#include "platform/qt/qt_text.h"

#include "base/text/windows1252.h"

namespace oltoma::platform {

QString ToQString(std::string_view windows1252) {
    return QString::fromStdString(Utf8FromWindows1252(windows1252));
}

std::string FromQString(const QString& text) {
    return Windows1252FromUtf8(text.toStdString());
}

}  // namespace oltoma::platform
