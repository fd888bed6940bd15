#include "ol/forms/record_edit_form.h"

#include <QPushButton>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "platform/qt/program_cursor.h"
#include "platform/services.h"

namespace oltoma::ol {

RecordEditForm::RecordEditForm(QWidget* owner) : QDialog(owner) {}

void RecordEditForm::cancelButtonClick() {
    reject();
}

void RecordEditForm::AttachStatusBar(QSize client) {
    StatusBar1 = forms::AddHintBar(this, client);
    status_.Attach(StatusBar1);
    connect(okButton, &QPushButton::clicked, this, &RecordEditForm::okButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &RecordEditForm::cancelButtonClick);
}

void RecordEditForm::showEvent(QShowEvent* event) {
    platform::CurrentCursors().Set(kProgramCursorNumber);
    QDialog::showEvent(event);
}

bool RecordEditForm::event(QEvent* event) {
    return status_.HandleEvent(event) || QDialog::event(event);
}

}  // namespace oltoma::ol
