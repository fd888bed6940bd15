#include "ol/forms/kontr_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/window_scale.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/record_keys.h"
#include "ol/forms/edit_form_parts.h"
#include "ol/forms/edit_grid.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

using platform::ToQString;

constexpr QSize kClient(560, 150);
constexpr int kGridColumns = kDescriptionEntryCount + 1;
constexpr int kDescriptionLength = StoredLength(&KontrRec::R);
constexpr int kCodeLength = StoredLength(&KontrRec::KodNr);

}  // namespace

TKontrForm::TKontrForm(QWidget* Aowner, bool Aadd)
    : RecordEditForm(Aowner), adding(Aadd), tmpKontr(Ol().control.rec) {
    BuildForm();
    FormCreate();
}

void TKontrForm::BuildForm() {
    setObjectName("KontrForm");
    setWindowTitle("kontroll");
    platform::SetDialogWindowFlags(this, platform::TitleBarButtons::Close);
    setFixedSize(kClient);
    AddFieldLabel(this, "Kontrollkod", {10, 13});
    edKodNr = AddStoredTextEdit(this, "edKodNr", {100, 10, 50, 21}, kCodeLength, "");
    kontrStringGrid = new EditGrid("kontrStringGrid", kGridColumns, 2, kDescriptionLength, this);
    kontrStringGrid->setGeometry(10, 40, 540, 50);
    kontrStringGrid->setFont(WindowFont());
    kontrStringGrid->SetFixedText(0, 0, "KodNr");
    for (int i = 1; i <= kDescriptionEntryCount; ++i) {
        kontrStringGrid->SetFixedText(i, 0, QString(QChar('A' + i - 1)));
    }
    okButton = AddDialogButton(this, "okButton", "OK", {10, 100});
    okButton->setDefault(true);
    cancelButton = AddDialogButton(this, "cancelButton", "Avbryt", {95, 100});
    AttachStatusBar(kClient);
    forms::SetHint(this, "kontrollens definition");
}

void TKontrForm::FormCreate() {
    platform::ScaleForm(this, WindowScale);
    kontrStringGrid->FitCellsToText(kDescriptionLength, 2);
    WidenFormToHold(this, kontrStringGrid, StatusBar1);
    const KontrRec& control = Ol().control.rec;
    edKodNr->setText(ToQString(control.KodNr.view()));
    for (int i = 1; i <= kDescriptionEntryCount; ++i) {
        kontrStringGrid->SetCellText(i, 1, ToQString(control.R[i - 1].view()));
    }
}

void TKontrForm::okButtonClick() {
    kontrStringGrid->CommitEdit();
    std::string key = StoredUpper(edKodNr->text()).substr(0, kCodeLength);
    if (key.empty()) {
        key = kEmptyKeyText;
    }
    storage::FindKey(Ol().controlFile, 1, ControlKey(key));
    if (storage::IsamSucceeded()) {
        status_.ShowMessage(DuplicateText("Kontrollen finns redan registrerad. ", key));
        edKodNr->selectAll();
        edKodNr->setFocus();
        ShortBeep();
        return;
    }
    KontrRec& control = Ol().control.rec;
    control.KodNr = key;
    for (int i = 1; i <= kDescriptionEntryCount; ++i) {
        control.R[i - 1] =
            StoredUpper(kontrStringGrid->CellText(i, 1)).substr(0, kDescriptionLength);
    }
    accept();
}

void TKontrForm::reject() {
    Ol().control.rec = tmpKontr;
    QDialog::reject();
}

}  // namespace oltoma::ol
