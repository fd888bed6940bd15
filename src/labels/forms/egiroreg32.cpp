#include "labels/forms/egiroreg32.h"

#include <memory>

#include "base/messages/messages.h"
#include "labels/forms/egirob32.h"
#include "labels/forms/egirol32.h"
#include "labels/forms/egirop32.h"
#include "labels/giro_file.h"

namespace oltoma::labels::forms {
namespace {

constexpr int kFileTroubleMessage = 1;

std::unique_ptr<TGiroDlg> DialogOf(Tgirotyp kind, QWidget* owner) {
    switch (kind) {
        case Tgirotyp::plusgiro:
            return std::make_unique<TplusgiroDlg>(owner);
        case Tgirotyp::postgiro:
            return std::make_unique<TpostgiroDlg>(owner);
        case Tgirotyp::bankgiro:
            return std::make_unique<TbankgiroDlg>(owner);
        default:
            return nullptr;
    }
}

}  // namespace

TEGiroRegForm::TEGiroRegForm(QWidget* owner, Tgirotyp kind) : TERegFormDlg(owner), girokd(kind) {
    setObjectName("EGiroRegForm");
    setWindowTitle("giroregister");
    FormCreate();
}

std::string TEGiroRegForm::FormRegStr() {
    return GiroRegStr(GiroRec());
}

bool TEGiroRegForm::CheckBeforeAdding() {
    return GiroRegisterFull();
}

void TEGiroRegForm::DoTheDialog(bool add, int ix, std::int32_t rec) {
    const std::unique_ptr<TGiroDlg> dialog = DialogOf(girokd, this);
    if (dialog == nullptr || !DoTheDialogJob1(add, rec)) {
        return;
    }
    const int ret = dialog->exec();
    DoTheDialogJob2(add, ix, ret, rec);
}

void TEGiroRegForm::FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri,
                               std::int32_t& Rc, bool& Exst, bool& FileEnd) {
    GiroFile().Select(FixtRtn, sStri, Rc, Exst, FileEnd);
}

bool TEGiroRegForm::PutRecSelect(std::int32_t dRec) {
    return GiroFile().Put(dRec);
}

bool TEGiroRegForm::AddRecSelect(bool recs, std::int32_t& dRec) {
    return GiroFile().Add(recs, dRec);
}

bool TEGiroRegForm::DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri,
                                 std::int32_t dRec, bool recs) {
    return GiroFile().Delete(delRtn, sStri, dRec, recs);
}

void OpenGiroRegister(Tgirotyp kind, QWidget* owner) {
    if (OpenGiroFile(kind)) {
        TEGiroRegForm form(owner, kind);
        form.exec();
    } else {
        DisplayMessage(kFileTroubleMessage, GiroFileFailureText());
    }
    CloseGiroFile();
}

}  // namespace oltoma::labels::forms
