// TbankgiroDlg (caption "bankgiro"): the bankgiro slip dialog, of the giro slip
// dialogs' one design (EGiro.h). Controls: tillnamn1 payee, tillnamn2 littera, tillgiro
// account, frombankgiro own account, attbetala amount,
// girotext message, giroadress address.
#pragma once

#include "labels/forms/EGiro.h"

namespace oltoma::labels::forms {

class TbankgiroDlg final : public TGiroDlg {
    Q_OBJECT

public:
    explicit TbankgiroDlg(QWidget* owner);

    // The slip's kind, as this dialog names it.
    const Tgirotyp& girokd = gkd;
};

}  // namespace oltoma::labels::forms
