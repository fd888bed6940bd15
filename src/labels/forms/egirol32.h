// TplusgiroDlg (caption "plusgiroblankett"): the plusgiro slip dialog, of the giro slip
// dialogs' one design (EGiro.h). Controls: Edit3 payee, Edit5 littera, Edit2
// account, Edit4 own account, SpinEdit2 amount,
// Memo2 message, Memo1 address.
#pragma once

#include "labels/forms/EGiro.h"

namespace oltoma::labels::forms {

class TplusgiroDlg final : public TGiroDlg {
    Q_OBJECT

public:
    explicit TplusgiroDlg(QWidget* owner);
};

}  // namespace oltoma::labels::forms
