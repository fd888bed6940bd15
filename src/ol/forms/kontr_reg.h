// TKontrRegForm: the control register (caption "register") over the
// control file KONTRnn of the current competition; the definition files
// must be open. A line reads the code padded with "." to 4 and a blank.
// At most 512 controls (the use counts cover no more); a control that a
// course uses cannot be deleted.
#pragma once

#include "registers/forms/eregform.h"

namespace oltoma::ol {

class TKontrRegForm final : public registers::TERegFormDlg {
    Q_OBJECT
public:
    explicit TKontrRegForm(QWidget* owner);

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

// The main window's control command, run inside the definition-file
// bracket: the register, when the definition files are open.
void RunControlRegister(QWidget* owner);

}  // namespace oltoma::ol
