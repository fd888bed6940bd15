#include "ol/forms/ban_reg.h"

#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/forms/ban_form.h"

namespace oltoma::ol {

TBanRegForm::TBanRegForm(QWidget* owner) : TERegFormDlg(owner) {
    setObjectName("BanRegForm");
    FormCreate();
}

std::string TBanRegForm::FormRegStr() {
    const TrackRec& course = Ol().course.rec;
    const std::int32_t length = CourseLength(course, Ol().competition.rec.MellanTid);
    return PadRight(course.Bana.view(), '.', 13) + " " +
           PadRight(IntSpacePadded(length, 6), '.', 10);
}

bool TBanRegForm::CheckBeforeAdding() {
    ClearCourse();
    return false;
}

void TBanRegForm::DoTheDialog(bool add, int ix, std::int32_t rec) {
    const TrackRec before = Ol().course.rec;
    TBanForm form(this, add);
    if (!DoTheDialogJob1(add, rec)) {
        return;
    }
    const int ret = form.exec();
    if (DoTheDialogJob2(add, ix, ret, rec)) {
        if (!add) {
            CountControlUses(before, -1);
        }
        CountControlUses(Ol().course.rec, +1);
    }
}

void TBanRegForm::FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri,
                             std::int32_t& Rc, bool& Exst, bool& FileEnd) {
    registers::FixtSelectWith(&FindCourse, FixtRtn, sStri, Rc, Exst, FileEnd);
}

bool TBanRegForm::PutRecSelect(std::int32_t dRec) {
    return RewriteCourse(dRec);
}

bool TBanRegForm::AddRecSelect(bool recs, std::int32_t& dRec) {
    return SaveCourse(recs, dRec);
}

bool TBanRegForm::DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri,
                               std::int32_t dRec, bool recs) {
    return DeleteCourse(delRtn, sStri, dRec, recs);
}

void RunCourseRegister(QWidget* owner) {
    if (!Ol().DefinitionFilesOpen) {
        return;
    }
    TBanRegForm form(owner);
    form.exec();
}

}  // namespace oltoma::ol
