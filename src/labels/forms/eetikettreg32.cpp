#include "labels/forms/eetikettreg32.h"

#include "base/messages/messages.h"
#include "labels/forms/EEtikettForm.h"
#include "labels/label_file.h"
#include "labels/label_print.h"
#include "platform/qt/window_handles.h"
#include "print/report_writer.h"

namespace oltoma::labels::forms {
namespace {

constexpr int kFileTroubleMessage = 1;

}  // namespace

TEEtikettRegForm::TEEtikettRegForm(QWidget* owner) : TERegFormDlg(owner) {
    setObjectName("EEtikettRegForm");
    setWindowTitle("etikettregister");
    FormCreate();
}

std::string TEEtikettRegForm::FormRegStr() {
    return LabelRegStr();
}

bool TEEtikettRegForm::CheckBeforeAdding() {
    return LabelRegisterFull();
}

bool TEEtikettRegForm::StartPrint() {
    return StartLabelPrint("etiketter", platform::HandleOf(this));
}

void TEEtikettRegForm::StopPrint() {
    EndLabelPrint();
}

void TEEtikettRegForm::DoThePrint(int i, int n) {
    ShowProgress(i, n);
    PrintLabel(EtikettRec().Etk.view(), PaintLabel, 0);
}

void TEEtikettRegForm::DoTheDialog(bool add, int ix, std::int32_t rec) {
    TEtikettDlg dialog(this);
    if (!DoTheDialogJob1(add, rec)) {
        return;
    }
    const int ret = dialog.exec();
    DoTheDialogJob2(add, ix, ret, rec);
}

void TEEtikettRegForm::FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri,
                                  std::int32_t& Rc, bool& Exst, bool& FileEnd) {
    LabelFile().Select(FixtRtn, sStri, Rc, Exst, FileEnd);
}

bool TEEtikettRegForm::PutRecSelect(std::int32_t dRec) {
    return LabelFile().Put(dRec);
}

bool TEEtikettRegForm::AddRecSelect(bool recs, std::int32_t& dRec) {
    return LabelFile().Add(recs, dRec);
}

bool TEEtikettRegForm::DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri,
                                    std::int32_t dRec, bool recs) {
    return LabelFile().Delete(delRtn, sStri, dRec, recs);
}

void OpenLabelRegister(QWidget* owner) {
    if (OpenLabelFile()) {
        TEEtikettRegForm form(owner);
        form.exec();
    } else {
        DisplayMessage(kFileTroubleMessage, LabelFileFailureText());
    }
    CloseLabelFile();
}

}  // namespace oltoma::labels::forms
