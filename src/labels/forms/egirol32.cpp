#include "labels/forms/egirol32.h"

namespace oltoma::labels::forms {
namespace {

constexpr GiroControlNames kNames{
    .form = "plusgiroDlg",
    .caption = "plusgiroblankett",
    .hint = nullptr,
    .payee = "Edit3",
    .littera = "Edit5",
    .tillG = "Edit2",
    .egetKonto = "Edit4",
    .referens = nullptr,
    .amount = "SpinEdit2",
    .message = "Memo2",
    .address = "Memo1",
};

}  // namespace

TplusgiroDlg::TplusgiroDlg(QWidget* owner) : TGiroDlg(owner, Tgirotyp::plusgiro, kNames) {}

}  // namespace oltoma::labels::forms
