#include "platform/qt/picture_file_dialog.h"

#include <QFileDialog>
#include <QImageReader>
#include <QStringList>

#include "platform/qt/dialog_frame.h"

namespace oltoma::platform {

QString PictureFileFilter() {
    QStringList patterns{"*.jpg", "*.jpeg"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = "*." + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern)) {
            patterns << pattern;
        }
    }
    return QString::fromUtf8("Bilder (%1)").arg(patterns.join(' '));
}

QString ChoosePictureFile(QWidget* owner, const QString& start) {
    QFileDialog dialog(owner, QString::fromUtf8("öppna bild"), start, PictureFileFilter());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, true);
    SetDialogWindowFlags(&dialog, TitleBarButtons::Close);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace oltoma::platform
