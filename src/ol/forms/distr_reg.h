// TDistrRegForm: the district register (caption "register") over the
// district file DISTR of the common files. A line reads the number padded
// with "." to 3, a blank, the name padded to 20, a blank and the nation
// padded to 4. At most 99 districts; a new one proposes the file's slot
// count as its number.
#pragma once

#include "registers/forms/eregform.h"

namespace oltoma::ol {

// Districts the register lets the user add.
inline constexpr int kDistrictRegisterLimit = 99;

class TDistrRegForm final : public registers::TERegFormDlg {
    Q_OBJECT
public:
    explicit TDistrRegForm(QWidget* owner);

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

// The main window's district command: runs the register while the
// participant files of a competition are open; otherwise nothing.
void RunDistrictRegister(QWidget* owner);

}  // namespace oltoma::ol
