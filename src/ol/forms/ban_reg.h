// TBanRegForm: the course register (caption "register") over the course
// file TRACKnn of the current competition; the definition files must be
// open. A line reads the designation padded with "." to 13, a blank, and
// the length at the competition's split index right-aligned in 6 columns
// padded with "." to 10.
//
// The use counts of the controls follow the courses: storing a new course
// counts a use of each of its controls; a changed course (OK) first gives
// back the uses of the course as it was. Deleting a course gives back its
// uses (in the data layer).
#pragma once

#include "registers/forms/eregform.h"

namespace oltoma::ol {

class TBanRegForm final : public registers::TERegFormDlg {
    Q_OBJECT
public:
    explicit TBanRegForm(QWidget* owner);

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

// The main window's course command, run inside the definition-file
// bracket: the register, when the definition files are open.
void RunCourseRegister(QWidget* owner);

}  // namespace oltoma::ol
