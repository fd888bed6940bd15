// The frame the edit dialogs of the district, control and course registers
// share: OK and Avbryt (made by each dialog), a hint status bar below the
// client area, the program cursor while shown, and Avbryt, Escape and the
// title bar's close all going through reject(), which each dialog overrides
// to put its record back as it was.
#pragma once

#include <QDialog>
#include <QSize>

#include "registers/forms/hint_status_bar.h"

class QPushButton;
class QStatusBar;

namespace oltoma::ol {

class RecordEditForm : public QDialog {
    Q_OBJECT
public:
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // OK: checks and stores the record, or says in the status bar why not.
    virtual void okButtonClick() = 0;
    void cancelButtonClick();

protected:
    explicit RecordEditForm(QWidget* owner);

    // Adds the hint status bar below `client` and connects OK and Avbryt,
    // which the dialog has made by then.
    void AttachStatusBar(QSize client);

    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    registers::HintStatusBar status_;
};

}  // namespace oltoma::ol
