// The label register TEEtikettRegForm (caption "etikettregister"): the
// labels of the label file on the register dialog framework, edited in the
// label dialog and printed as labels (not as a list) by "S&kriv".
#pragma once

#include "registers/forms/eregform.h"

namespace oltoma::labels::forms {

class TEEtikettRegForm final : public registers::TERegFormDlg {
    Q_OBJECT

public:
    // The label file must be open.
    explicit TEEtikettRegForm(QWidget* owner);

protected:
    std::string FormRegStr() override;
    bool CheckBeforeAdding() override;
    bool StartPrint() override;
    void StopPrint() override;
    void DoThePrint(int i, int n) override;
    void DoTheDialog(bool add, int ix, std::int32_t rec) override;
    void FixtSelect(registers::FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                    bool& Exst, bool& FileEnd) override;
    bool PutRecSelect(std::int32_t dRec) override;
    bool AddRecSelect(bool recs, std::int32_t& dRec) override;
    bool DelRecSelect(registers::FixtRtnTypes delRtn, std::string_view sStri, std::int32_t dRec,
                      bool recs) override;
};

// The menu command "etikettregister": opens the label file and shows the
// register; when the file cannot be opened, MessageLine gets "fel med
// Etikettfilerna: " and the engine's text. The file is closed afterwards.
void OpenLabelRegister(QWidget* owner);

}  // namespace oltoma::labels::forms
