// The competition information dialog TInfoDlgForm (caption
// "tävling/turnering"): creates a new competition or edits the current one.
// Layout at 100 percent (client area 540 x 430):
//
//   control              label                 at          stored (the box
//                                                          takes no more)
//   edArr                "arrangör"            (110, 10)   Arr, 40
//   edTvl                "tävling"             (110, 40)   Tvl, 40
//   edTvlDatum           "datum"               (110, 70)   Date, 20 of its 22
//   cbTyp (combo box)                          (290, 70)   Typ, 12
//   edOmg (spin box)     "etapper"             (110, 100)  1..5       StrNr
//   edAktuellEtapp       "aktuell"             (250, 100)  1..5       maxDag
//   "kontakter"          frame at (10, 134), 410 x 146:
//     btnKontakt1..4     "tävlingsledare", "banläggare", "bankontroll",
//                        "tävlingskontroll", each with a read-only box
//                        edKontakt1..4 showing the first line of the
//                        contact (no tab stop)
//   "tävlingens giro"    frame at (10, 288), 410 x 132:
//     rbUsePG "använd"   edPostgiro "plusgironummer"      club table, 32
//     rbUseBG "använd"   edBankgiro "bankgironummer"      club table, 32
//                        edBetMottagare "betalningsmottagare" club table, 32
//   OK, "Avbryt"         (436, 10) and (436, 44), 92 x 27
//
// Tab order: the fields from the top, the contact buttons, then rbUsePG,
// edPostgiro, rbUseBG, edBankgiro, edBetMottagare, OK, "Avbryt".
//
// rbUsePG shows postgiromode 0..2 and stores 0 (plusgiro); rbUseBG shows 3
// or 4 and stores 3 (bankgiro). A contact button runs the address dialog on
// its contact of the competition record.
#pragma once

#include <QDialog>

#include "ol/data/records/info_rec.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace oltoma::ol {

class TInfoDlgForm final : public QDialog {
    Q_OBJECT
public:
    // Date keeps 22 characters; the dialog stores at most 20 of them.
    static constexpr int kDateLength = 20;

    // Init: copies the competition record (tmpInfo) and remembers whether a
    // new competition is being added; then the form is built and filled.
    TInfoDlgForm(QWidget* owner, bool adding);

    bool adding() const { return adding_; }

    QLineEdit* edArr = nullptr;
    QLineEdit* edTvl = nullptr;
    QLineEdit* edTvlDatum = nullptr;
    QComboBox* cbTyp = nullptr;
    QSpinBox* edOmg = nullptr;
    QSpinBox* edAktuellEtapp = nullptr;
    QPushButton* btnKontakt[4] = {};
    QLineEdit* edKontakt[4] = {};
    QRadioButton* rbUsePG = nullptr;
    QRadioButton* rbUseBG = nullptr;
    QLineEdit* edPostgiro = nullptr;
    QLineEdit* edBankgiro = nullptr;
    QLineEdit* edBetMottagare = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

public slots:
    void accept() override;  // okButtonClick
    void reject() override;  // Cancel

private:
    void BuildForm();
    void FormCreate();
    void KontaktClick(int contact);
    void StoreFields();

    bool adding_;
    InfoRec tmpInfo;
};

// The opener of the main window's "&ny" (add) and "&ändra": prepares the
// data (see BeginCompetitionInfo), runs the dialog modally and returns
// whether it closed with OK.
bool EditCompetitionInfo(QWidget* owner, bool add);

}  // namespace oltoma::ol
