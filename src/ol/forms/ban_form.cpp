#include "ol/forms/ban_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/record_keys.h"
#include "ol/forms/edit_form_parts.h"
#include "ol/forms/edit_grid.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/up_down.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

using platform::ToQString;

constexpr QSize kClient(460, 360);
constexpr int kDesignationLength = StoredLength(&TrackRec::Bana);
constexpr int kCodeLength = StoredLength(&TrackRec::KodNr);
constexpr int kGridRows = kCourseControlCount + 1;         // the heading row, then one per control
constexpr int kVisibleCodeRows = kCourseControlCount - 1;  // the 35th is hidden
constexpr int kMaxCourseLength = 99999;
constexpr int kLengthStep = 100;

int SplitIndex() {
    return Ol().competition.rec.MellanTid;
}

}  // namespace

TBanForm::TBanForm(QWidget* Aowner, bool Aadd)
    : RecordEditForm(Aowner), adding(Aadd), tmpTrack(Ol().course.rec) {
    BuildForm();
    FormCreate();
}

void TBanForm::BuildForm() {
    setObjectName("BanForm");
    setWindowTitle("BanForm");
    platform::SetDialogWindowFlags(this, platform::TitleBarButtons::Close);
    setFixedSize(kClient);
    AddFieldLabel(this, "bana beteckning", {10, 13});
    edBana = AddStoredTextEdit(this, "edBana", {120, 10, 100, 21}, kDesignationLength, "");
    AddFieldLabel(this, "banlängd (m)", {10, 43});
    edBansize = AddNumberEdit(this, "edBansize", {120, 40, 60, 21}, 6, "");
    udBansize = new UpDown("udBansize", edBansize, 0, kMaxCourseLength, kLengthStep, this);
    udBansize->setGeometry(180, 40, 16, 21);

    banStringGrid = new EditGrid("banStringGrid", 2, kGridRows, kCodeLength, this);
    banStringGrid->setGeometry(10, 70, 150, 250);
    banStringGrid->setFont(WindowFont());
    for (int row = 1; row < kGridRows; ++row) {
        banStringGrid->SetFixedText(0, row, QString::fromStdString(IntZeroPadded(row, 2)));
    }
    banStringGrid->setRowHidden(kCourseControlCount, true);

    okButton = AddDialogButton(this, "okButton", "OK", {370, 10});
    okButton->setDefault(true);
    cancelButton = AddDialogButton(this, "cancelButton", "Avbryt", {370, 44});
    AttachStatusBar(kClient);
}

void TBanForm::FormCreate() {
    const TrackRec& course = Ol().course.rec;
    edBana->setText(ToQString(course.Bana.view()));
    const std::int32_t length = CourseLength(course, SplitIndex());
    udBansize->setPosition(length);
    // A stored length outside the up-down's range shows as it is and is
    // kept unless the user changes the field.
    shownLength_ = QString::number(length);
    edBansize->setText(shownLength_);
    for (int row = 1; row <= ControlCount(course); ++row) {
        banStringGrid->SetCellText(1, row, ToQString(course.KodNr[row - 1].view()));
    }
    platform::ScaleForm(this, WindowScale);
    banStringGrid->FitCellsToText(6, 12);
}

int TBanForm::MissingControlRow(std::string& code) const {
    for (int row = 1; row <= kVisibleCodeRows; ++row) {
        code = StoredUpper(banStringGrid->CellText(1, row)).substr(0, kCodeLength);
        if (code.empty()) {
            return 0;
        }
        storage::FindKey(Ol().controlFile, 1, ControlKey(code));
        if (!storage::IsamSucceeded()) {
            return row;
        }
    }
    return 0;
}

void TBanForm::StoreControlCodes(TrackRec& course) const {
    int stored = 0;
    for (int row = 1; row <= kCourseControlCount; ++row) {
        const std::string code =
            StoredUpper(banStringGrid->CellText(1, row)).substr(0, kCodeLength);
        if (!code.empty()) {
            course.KodNr[stored] = code;
            ++stored;
        }
    }
    course.Antal = static_cast<std::int16_t>(stored);
}

void TBanForm::okButtonClick() {
    banStringGrid->CommitEdit();
    std::string key = StoredUpper(edBana->text()).substr(0, kDesignationLength);
    if (key.empty()) {
        key = kEmptyKeyText;
    }
    storage::FindKey(Ol().courseFile, 1, CourseKey(key));
    if (storage::IsamSucceeded()) {
        status_.ShowMessage(DuplicateText("Banan finns redan registrerad. ", key));
        edBana->selectAll();
        edBana->setFocus();
        ShortBeep();
        return;
    }
    std::string code;
    if (const int row = MissingControlRow(code); row > 0) {
        status_.ShowMessage(KeyMessage("Kontrollen finns inte registrerad. ", code,
                                       " Registrera kontrollen först."));
        banStringGrid->setCurrentCell(row, 1);
        banStringGrid->setFocus();
        ShortBeep();
        return;
    }
    TrackRec& course = Ol().course.rec;
    course.Bana = key;
    if (edBansize->text() != shownLength_) {
        SetCourseLength(course, SplitIndex(), udBansize->position());
    }
    StoreControlCodes(course);
    accept();
}

void TBanForm::reject() {
    Ol().course.rec = tmpTrack;
    QDialog::reject();
}

}  // namespace oltoma::ol
