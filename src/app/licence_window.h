// The licence window "licenser" of the about boxes: read-only, it lists
// each library the program links (linked_libraries.h) with its version and
// licence, and shows the full licence texts of the one selected. "om Qt"
// opens Qt's own about box.
#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace oltoma {

class LicenceWindow final : public QDialog {
    Q_OBJECT

public:
    explicit LicenceWindow(QWidget* owner);

    QListWidget* libraries = nullptr;
    QPlainTextEdit* licenceText = nullptr;
    QPushButton* aboutQt = nullptr;
    QPushButton* closeButton = nullptr;

private:
    void ShowLibrary(int row);
};

// Shows the licence window modally.
void ShowLicences(QWidget* owner);

}  // namespace oltoma
