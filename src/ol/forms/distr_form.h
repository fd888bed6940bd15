// TDistrForm (caption "distrikt"): the edit dialog of the district
// register, on the district record buffer Ol().district.
//
// Layout at 100 percent (client area 420 x 160, dialog frame without
// title-bar buttons, centred on its owner):
//
//   control                label            at          limit
//   edNummer + udNummer    "distriktsnr"    (110, 10)   2 digits; 0..99
//   edDistrikt             "distriktsnamn"  (110, 40)   19 characters
//   edNation               "nation"         (110, 70)   3 characters
//   okButton "OK"          (110, 104), the default button
//   cancelButton "Cancel"  (195, 104)
//   StatusBar1             hints and messages
//
// OK stores the number as two digits with leading zero, unless another
// district has that number (the dialog then stays open); Cancel, Escape
// and closing the window put the record back as it was at Init.
#pragma once

#include "ol/data/records/distr_rec.h"
#include "ol/forms/record_edit_form.h"

class QLineEdit;

namespace oltoma {
class UpDown;
}

namespace oltoma::ol {

class TDistrForm final : public RecordEditForm {
    Q_OBJECT
public:
    // Init: copies the district record (tmpDistr), remembers adding and
    // builds the scaled form filled from the record.
    TDistrForm(QWidget* Aowner, bool Aadd);

    bool adding;
    DistrRec tmpDistr;

    QLineEdit* edNummer = nullptr;
    UpDown* udNummer = nullptr;
    QLineEdit* edDistrikt = nullptr;
    QLineEdit* edNation = nullptr;

    void okButtonClick() override;

    // Cancel, Escape and the title bar's close: the record as it was.
    void reject() override;

private:
    void BuildForm();
};

}  // namespace oltoma::ol
