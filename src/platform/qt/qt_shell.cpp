#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "platform/native_program_launcher.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {
namespace {

constexpr int kNotFound = 2;
constexpr int kNoHandler = 31;

// "https:", "mailto:" and the like: a scheme of two or more letters, so
// that a drive-like "c:" is not taken for one.
bool HasScheme(const QString& text) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    return scheme.match(text).hasMatch();
}

}  // namespace

int QtShell::Open(std::string_view address) {
    const QString text = ToQString(address).trimmed();
    if (text.isEmpty()) {
        return kNotFound;
    }
    QUrl url;
    if (HasScheme(text)) {
        url = QUrl(text, QUrl::TolerantMode);
    } else {
        if (!QFileInfo::exists(text)) {
            return kNotFound;
        }
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    }
    if (!url.isValid()) {
        return kNotFound;
    }
    return QDesktopServices::openUrl(url) ? kProgramStarted : kNoHandler;
}

}  // namespace oltoma::platform
