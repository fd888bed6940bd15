#include "ol/forms/distr_reg.h"

#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/forms/distr_form.h"
#include "storage/access_layer.h"

namespace oltoma::ol {

TDistrRegForm::TDistrRegForm(QWidget* owner) : TERegFormDlg(owner) {
    setObjectName("DistrRegForm");
    FormCreate();
}

std::string TDistrRegForm::FormRegStr() {
    const DistrRec& district = Ol().district.rec;
    return PadRight(district.Dnr.view(), '.', 3) + " " + PadRight(district.Dname.view(), '.', 20) +
           " " + PadRight(district.Dkort.view(), '.', 4);
}

bool TDistrRegForm::CheckBeforeAdding() {
    ClearDistrict();
    storage::FileBlock* file = Ol().districtFile;
    // The slot count proposes the number; three digits do not fit, so from
    // 100 slotCount on the cleared record's number stays.
    const std::int32_t slotCount = storage::FileLen(file);
    if (storage::IsamSucceeded() && slotCount >= 0 && slotCount <= kDistrictRegisterLimit) {
        Ol().district.rec.Dnr = IntZeroPadded(slotCount, 2);
    }
    const std::int32_t used = storage::UsedRecs(file);
    return storage::IsamSucceeded() && used >= kDistrictRegisterLimit;
}

void TDistrRegForm::DoTheDialog(bool add, int ix, std::int32_t rec) {
    TDistrForm form(this, add);
    if (!DoTheDialogJob1(add, rec)) {
        return;
    }
    const int ret = form.exec();
    DoTheDialogJob2(add, ix, ret, rec);
}

void TDistrRegForm::FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri,
                               std::int32_t& Rc, bool& Exst, bool& FileEnd) {
    registers::FixtSelectWith(&FindDistrict, FixtRtn, sStri, Rc, Exst, FileEnd);
}

bool TDistrRegForm::PutRecSelect(std::int32_t dRec) {
    return RewriteDistrict(dRec);
}

bool TDistrRegForm::AddRecSelect(bool recs, std::int32_t& dRec) {
    return SaveDistrict(recs, dRec);
}

bool TDistrRegForm::DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri,
                                 std::int32_t dRec, bool recs) {
    return DeleteDistrict(delRtn, sStri, dRec, recs);
}

void RunDistrictRegister(QWidget* owner) {
    if (!Ol().ParticipantFilesOpen) {
        return;
    }
    TDistrRegForm form(owner);
    form.exec();
}

}  // namespace oltoma::ol
