// The competition information dialog TInfoDlgForm (caption
// "tävling/turnering"): creates a new competition or edits the current one.
// Layout at 100 percent (client area 540 x 430):
//
//   control              label                 at          box limit  stored
//   edArr                "arrangör"            (110, 10)   41         Arr, 40
//   edTvl                "tävling"             (110, 40)   41         Tvl, 40
//   edTvlDatum           "datum"               (110, 70)   21         Date, 20
//   cbTyp (combo box)                          (290, 70)   13         Typ, 12
//   edOmg (spin box)     "etapper"             (110, 100)  1..5       StrNr
//   edAktuellEtapp       "aktuell"             (250, 100)  1..5       maxDag
//   "kontakter"          frame at (10, 134), 410 x 146:
//     btnKontakt1..4     "tävlingsledare", "banläggare", "bankontroll",
//                        "tävlingskontroll", each with a box edKontakt1..4
//                        (23 characters) showing the first line of the
//                        contact; the boxes are display only
//   "tävlingens giro"    frame at (10, 288), 410 x 132:
//     rbUsePG "använd"   edPostgiro "plusgironummer"     33  club table, 32
//     rbUseBG "använd"   edBankgiro "bankgironummer"     33  club table, 32
//                        edBetMottagare "betalningsmottagare" 33  club table, 32
//   OK, Cancel           (436, 10) and (436, 44), 92 x 27
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
