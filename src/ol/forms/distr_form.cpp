#include "ol/forms/distr_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/record_keys.h"
#include "ol/forms/edit_form_parts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/up_down.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

using platform::FromQString;
using platform::ToQString;

constexpr QSize kClient(420, 160);
constexpr int kMaxDistrictNumber = 99;

}  // namespace

TDistrForm::TDistrForm(QWidget* Aowner, bool Aadd)
    : RecordEditForm(Aowner), adding(Aadd), tmpDistr(Ol().district.rec) {
    BuildForm();
    const DistrRec& district = Ol().district.rec;
    bool number = false;
    const int value = ToQString(district.Dnr.view()).toInt(&number);
    udNummer->setPosition(number ? value : 0);
    edNummer->setText(ToQString(district.Dnr.view()));
    edDistrikt->setText(ToQString(district.Dname.view()));
    edNation->setText(ToQString(district.Dkort.view()));
    platform::ScaleForm(this, WindowScale);
}

void TDistrForm::BuildForm() {
    setObjectName("DistrForm");
    setWindowTitle("distrikt");
    forms::FixDialogFrame(this, kClient);
    AddFieldLabel(this, "distriktsnr", {10, 13});
    edNummer = AddNumberEdit(this, "edNummer", {110, 10, 40, 21}, StoredLength(&DistrRec::Dnr),
                             "distriktets nummer");
    udNummer = new UpDown("udNummer", edNummer, 0, kMaxDistrictNumber, 1, this);
    udNummer->setGeometry(150, 10, 16, 21);
    AddFieldLabel(this, "distriktsnamn", {10, 43});
    edDistrikt = AddStoredTextEdit(this, "edDistrikt", {110, 40, 170, 21},
                                   StoredLength(&DistrRec::Dname), "distriktets/nationen namn");
    AddFieldLabel(this, "nation", {10, 73});
    edNation = AddStoredTextEdit(this, "edNation", {110, 70, 50, 21},
                                 StoredLength(&DistrRec::Dkort), "eventuell nationsbeteckning");
    okButton = AddDialogButton(this, "okButton", "OK", {110, 104});
    okButton->setDefault(true);
    cancelButton = AddDialogButton(this, "cancelButton", "Avbryt", {195, 104});
    AttachStatusBar(kClient);
}

void TDistrForm::okButtonClick() {
    const std::string key = IntZeroPadded(udNummer->position(), 2);
    storage::FindKey(Ol().districtFile, 1, DistrictKey(key));
    if (storage::IsamSucceeded()) {
        status_.ShowMessage(DuplicateText("Distriktet finns redan registrerad. ", key));
        edNummer->selectAll();
        edNummer->setFocus();
        ShortBeep();
        return;
    }
    DistrRec& district = Ol().district.rec;
    district.Dnr = key;
    district.Dname = FromQString(edDistrikt->text());
    district.Dkort = FromQString(edNation->text());
    accept();
}

void TDistrForm::reject() {
    Ol().district.rec = tmpDistr;
    QDialog::reject();
}

}  // namespace oltoma::ol
