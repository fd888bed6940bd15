// The giro register TEGiroRegForm (caption "giroregister"): the slips of one
// giro file on the register dialog framework, edited in the slip dialog of
// its kind (girokd). "S&kriv" prints the list of the selected slips; the
// slips themselves are printed from their dialogs ("utskrift").
#pragma once

#include "labels/giro_rec.h"
#include "registers/forms/eregform.h"

namespace oltoma::labels::forms {

class TEGiroRegForm final : public registers::TERegFormDlg {
    Q_OBJECT

public:
    // The giro file of the kind must be open.
    TEGiroRegForm(QWidget* owner, Tgirotyp kind);

    // The kind of the slips: 0 plusgiro, 1 postgiro, 3 bankgiro; any other
    // kind opens no dialog.
    Tgirotyp girokd;

protected:
    std::string FormRegStr() override;
    bool CheckBeforeAdding() override;
    void DoTheDialog(bool add, int ix, std::int32_t rec) override;
    void FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                    bool& Exst, bool& FileEnd) override;
    bool PutRecSelect(std::int32_t dRec) override;
    bool AddRecSelect(bool recs, std::int32_t& dRec) override;
    bool DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri, std::int32_t dRec,
                      bool recs) override;
};

// The menu commands "plusgiro", "postgiro" and "bankgiro": opens the giro
// file of the kind and shows its register; when the file cannot be opened,
// MessageLine gets "fel med girofilerna: " and the engine's text. The file
// is closed afterwards.
void OpenGiroRegister(Tgirotyp kind, QWidget* owner);

}  // namespace oltoma::labels::forms
