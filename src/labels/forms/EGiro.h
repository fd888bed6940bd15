// The giro slip dialogs' one design (TplusgiroDlg, TpostgiroDlg,
// TbankgiroDlg): a picture of the paper form (giro_form_picture.h) with
// the edit controls placed over its fields, scaled from the field table,
// and below it the littera box, the copies box "kopior", "utskrift", OK,
// "avbryt" and the hint bar.
//
//   field      control       limit                   font
//   Mottagare  payee         30                      large
//   Lnr        littera       2                       large
//   TillG      tillG         30                      large (medium: plusgiro)
//   EgetKonto  egetKonto     30                      medium
//   Referens   referens      30 (postgiro only)      large
//   AttBetala  amount        0..999999 (postgiro     large
//                            0..9999), step 5
//   gtxt       message       1201 typed, 1185 stored medium, left, no wrap
//   gadrtxt    address       321 typed, 316 stored   medium, centred, no wrap
//
// "large" and "medium" are the "stor" and "mellan" fonts of the current
// label setting; limits count the bytes the record stores. The dialog works
// on the giro record buffer (GiroRec) and keeps a copy (tmpGiro) that
// Cancel puts back.
#pragma once

#include <QDialog>

#include "labels/giro_entries.h"
#include "labels/giro_rec.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace oltoma::labels::forms {

class LimitedMemo;

// The designed names of a form's controls (the form's own component
// names); referens is null for a form without a reference field.
struct GiroControlNames {
    const char* form;
    const char* caption;
    const char* hint;  // the form's own hint, or null
    const char* payee;
    const char* littera;
    const char* tillG;
    const char* egetKonto;
    const char* referens;
    const char* amount;
    const char* message;
    const char* address;
};

class TGiroDlg : public QDialog {
    Q_OBJECT

public:
    // CreateG: builds the form of the kind over the giro record buffer,
    // copies the buffer to tmpGiro and fills the controls from it; scaled
    // by the window scale.
    TGiroDlg(QWidget* owner, Tgirotyp kind, const GiroControlNames& names);

    // The slip's kind.
    const Tgirotyp gkd;

    QLabel* formPicture = nullptr;
    QLineEdit* payee = nullptr;
    QLineEdit* littera = nullptr;
    QLineEdit* tillG = nullptr;
    QLineEdit* egetKonto = nullptr;
    QLineEdit* referens = nullptr;
    QSpinBox* amount = nullptr;
    LimitedMemo* message = nullptr;
    LimitedMemo* address = nullptr;
    QSpinBox* copies = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* printButton = nullptr;
    QStatusBar* statusBar = nullptr;

    // The controls' values as they would be stored.
    GiroEntries Entries() const;

public slots:
    // OK: the key must be free and both account numbers must pass; then
    // the controls are stored into the giro record and the dialog closes.
    // Otherwise a beep, the reason in the hint bar, the warning sound, and
    // the dialog stays.
    void accept() override;
    // Cancel (and Escape): the giro record as it was at creation.
    void reject() override;
    // "utskrift": both account numbers must pass (else as OK refuses);
    // stores the controls into the giro record and prints the slip `copies`
    // times.
    void PrintClick();

protected:
    bool event(QEvent* event) override;

private:
    void BuildFieldControls(const GiroControlNames& names, QSize picture);
    void BuildButtonRow(QSize client);
    void Fill();
    void Refuse(const std::string& reason);

    TGiroRec tmpGiro;
    bool amountChanged_ = false;
};

}  // namespace oltoma::labels::forms
