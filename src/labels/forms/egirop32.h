// TpostgiroDlg (caption "postgiroblankett"): the postgiro slip dialog, of the giro slip
// dialogs' one design (EGiro.h). Controls: Edit3 payee, Edit5 littera, Edit2
// account, Edit4 own account, Edit1 reference, SpinEdit2 amount,
// Memo2 message, Memo1 address.
#pragma once

#include "labels/forms/EGiro.h"

namespace oltoma::labels::forms {

class TpostgiroDlg final : public TGiroDlg {
    Q_OBJECT

public:
    explicit TpostgiroDlg(QWidget* owner);
};

}  // namespace oltoma::labels::forms
