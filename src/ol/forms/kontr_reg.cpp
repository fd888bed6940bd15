#include "ol/forms/kontr_reg.h"

#include "base/text/padding.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/forms/kontr_form.h"
#include "storage/access_layer.h"

namespace oltoma::ol {

TKontrRegForm::TKontrRegForm(QWidget* owner) : TERegFormDlg(owner) {
    setObjectName("KontrRegForm");
    FormCreate();
}

std::string TKontrRegForm::FormRegStr() {
    return PadRight(Ol().control.rec.KodNr.view(), '.', 4) + " ";
}

bool TKontrRegForm::CheckBeforeAdding() {
    ClearControl();
    const std::int32_t used = storage::UsedRecs(Ol().controlFile);
    return storage::IsamSucceeded() && used >= kMaxControls;
}

void TKontrRegForm::DoTheDialog(bool add, int ix, std::int32_t rec) {
    TKontrForm form(this, add);
    if (!DoTheDialogJob1(add, rec)) {
        return;
    }
    const int ret = form.exec();
    DoTheDialogJob2(add, ix, ret, rec);
}

void TKontrRegForm::FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri,
                               std::int32_t& Rc, bool& Exst, bool& FileEnd) {
    registers::FixtSelectWith(&FindControl, FixtRtn, sStri, Rc, Exst, FileEnd);
}

bool TKontrRegForm::PutRecSelect(std::int32_t dRec) {
    return RewriteControl(dRec);
}

bool TKontrRegForm::AddRecSelect(bool recs, std::int32_t& dRec) {
    return SaveControl(recs, dRec);
}

bool TKontrRegForm::DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri,
                                 std::int32_t dRec, bool recs) {
    return DeleteControl(delRtn, sStri, dRec, recs);
}

void RunControlRegister(QWidget* owner) {
    if (!Ol().DefinitionFilesOpen) {
        return;
    }
    TKontrRegForm form(owner);
    form.exec();
}

}  // namespace oltoma::ol
