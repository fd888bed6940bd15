// TBanForm (caption "BanForm"): the edit dialog of the course register, on
// the course record buffer Ol().course.
//
// Layout at 100 percent (client area 460 x 360, fixed size, centred on its
// owner):
//
//   "bana beteckning" + edBana        (120, 10), 12 characters
//   "banlängd (m)" + edBansize        (120, 40), 6 digits, with udBansize:
//                                     0..99999 in steps of 100, no arrow
//                                     keys; the length at the competition's
//                                     split index MellanTid
//   banStringGrid                     (10, 70): 2 columns, 36 rows; row 0
//                                     fixed, column 0 the row numbers
//                                     "01".."35", column 1 the control
//                                     codes (3 characters); rows 1..34
//                                     shown, row 35 (the 35th control)
//                                     hidden; columns six X wide, 12 rows
//                                     high with a scroll bar
//   okButton "OK"                     (370, 10), the default button
//   cancelButton "Cancel"             (370, 44)
//   StatusBar1                        hints and messages
//
// OK refuses a designation another course has and a control code (rows 1
// on, up to the first empty row) missing from the control file; it stores
// the designation and codes in upper case, the codes closed up without
// empty rows and counted in Antal. Cancel, Escape and closing the window
// put the record back as it was at Init.
#pragma once

#include <QString>

#include "ol/data/records/track_rec.h"
#include "ol/forms/record_edit_form.h"

class QLineEdit;

namespace oltoma {
class UpDown;
}

namespace oltoma::ol {

class EditGrid;

class TBanForm final : public RecordEditForm {
    Q_OBJECT
public:
    // Init: copies the course record (tmpTrack), remembers adding and
    // builds the scaled form filled from the record.
    TBanForm(QWidget* Aowner, bool Aadd);

    bool adding;
    TrackRec tmpTrack;

    QLineEdit* edBana = nullptr;
    QLineEdit* edBansize = nullptr;
    UpDown* udBansize = nullptr;
    EditGrid* banStringGrid = nullptr;

    void okButtonClick() override;

    // Cancel, Escape and the title bar's close: the record as it was.
    void reject() override;

private:
    void BuildForm();
    void FormCreate();
    // The first row of 1..34, up to the first empty one, whose code the
    // control file lacks; 0 when every code is there.
    int MissingControlRow(std::string& code) const;
    void StoreControlCodes(TrackRec& course) const;

    QString shownLength_;  // the length field as filled
};

}  // namespace oltoma::ol
