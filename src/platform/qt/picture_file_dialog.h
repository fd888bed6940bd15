// The picture-open dialog of the label dialog and the settings dialog.
#pragma once

#include <QString>

class QWidget;

namespace oltoma::platform {

// Asks for an existing picture file of a format the program reads (JPEG,
// BMP, PNG and the other formats Qt reads), starting at `start` (a file or
// a folder). The chosen file's path, or empty when the user cancels.
QString ChoosePictureFile(QWidget* owner, const QString& start);

// The dialog's filter: "Bilder (*.jpg *.jpeg *.bmp *.png ...)".
QString PictureFileFilter();

}  // namespace oltoma::platform
