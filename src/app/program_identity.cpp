#include "app/program_identity.h"

#include <QApplication>
#include <QString>

namespace oltoma {

const char* DesktopId() {
    return OLTOMA_DESKTOP_ID;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(DesktopId()),
                     QSize(size, size));
    }
    return icon;
}

void SetProgramIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId()));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace oltoma
