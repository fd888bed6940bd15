#include "labels/forms/egirop32.h"

namespace oltoma::labels::forms {
namespace {

constexpr GiroControlNames kNames{
    .form = "postgiroDlg",
    .caption = "postgiroblankett",
    .hint = nullptr,
    .payee = "Edit3",
    .littera = "Edit5",
    .tillG = "Edit2",
    .egetKonto = "Edit4",
    .referens = "Edit1",
    .amount = "SpinEdit2",
    .message = "Memo2",
    .address = "Memo1",
};

}  // namespace

TpostgiroDlg::TpostgiroDlg(QWidget* owner) : TGiroDlg(owner, Tgirotyp::postgiro, kNames) {}

}  // namespace oltoma::labels::forms
