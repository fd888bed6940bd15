// TKontrForm (caption "kontroll", hint "kontrollens definition"): the edit
// dialog of the control register, on the control record buffer
// Ol().control.
//
// Layout at 100 percent (client area 560 x 150, fixed size, centred on its
// owner):
//
//   "Kontrollkod" + edKodNr   (100, 10), 3 characters
//   kontrStringGrid           (10, 40): 9 columns x 2 rows; cell (0, 0)
//                             "KodNr", row 0 "A".."H" over columns 1..8,
//                             row 1 the description entries 1..8 (10
//                             characters each). Every column is as wide as
//                             ten capital X in the grid's font, every row
//                             that text's height and half of it, measured
//                             after scaling; the grid fits its cells.
//   okButton "OK"             (10, 100), the default button
//   cancelButton "Cancel"     (95, 100)
//   StatusBar1                hints and messages
//
// Codes and cells are stored in upper case; an empty code as "XXX". OK
// refuses a code that another control has; Cancel, Escape and closing the
// window put the record back as it was at Init.
#pragma once

#include "ol/data/records/kontr_rec.h"
#include "ol/forms/record_edit_form.h"

class QLineEdit;

namespace oltoma::ol {

class EditGrid;

class TKontrForm final : public RecordEditForm {
    Q_OBJECT
public:
    // Init: copies the control record (tmpKontr), remembers adding and
    // builds the scaled form filled from the record.
    TKontrForm(QWidget* Aowner, bool Aadd);

    bool adding;
    KontrRec tmpKontr;

    QLineEdit* edKodNr = nullptr;
    EditGrid* kontrStringGrid = nullptr;

    void okButtonClick() override;

    // Cancel, Escape and the title bar's close: the record as it was.
    void reject() override;

private:
    void BuildForm();
    void FormCreate();
};

}  // namespace oltoma::ol
