#include "labels/forms/egirob32.h"

namespace oltoma::labels::forms {
namespace {

constexpr GiroControlNames kNames{
    .form = "bankgiroDlg",
    .caption = "bankgiro",
    .hint = "fyll i en bankgirotalong och skriv ut enligt etikettinställningarna",
    .payee = "tillnamn1",
    .littera = "tillnamn2",
    .tillG = "tillgiro",
    .egetKonto = "frombankgiro",
    .referens = nullptr,
    .amount = "attbetala",
    .message = "girotext",
    .address = "giroadress",
};

}  // namespace

TbankgiroDlg::TbankgiroDlg(QWidget* owner) : TGiroDlg(owner, Tgirotyp::bankgiro, kNames) {}

}  // namespace oltoma::labels::forms
