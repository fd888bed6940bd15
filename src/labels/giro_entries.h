// What a giro slip dialog decides without its widgets: the values typed
// into its controls, how they are stored into the giro record, and the
// checks OK and "utskrift" run on them.
#pragma once

#include <string>
#include <string_view>

#include "labels/giro_rec.h"

namespace oltoma::labels {

// The controls' values, Windows-1252 (multi-line texts with any line
// breaks); amount is the amount box, amountChanged whether the user
// changed it since the dialog opened.
struct GiroEntries {
    std::string payee;
    std::string littera;
    std::string tillG;
    std::string egetKonto;
    std::string referens;
    std::string message;
    std::string address;
    int amount = 0;
    bool amountChanged = false;
};

// The amount box's value for a stored amount: its number, 0 when it is not
// a whole number (an amount with öre, a text).
int AmountBoxValue(std::string_view attBetala);

// The controls of a slip of the kind: amount, texts and littera from the
// record (Referens is kept by every kind, shown by the postgiro dialog).
GiroEntries EntriesOf(const TGiroRec& slip);

// Stores the entries into the record, every field cut to its limit
// (messages 1185 and addresses 316 bytes with CR LF breaks). The amount is
// written only when it was changed: 0 as an empty text, except on bankgiro
// slips ("0"). A stored amount the box cannot show (above its maximum, or
// with öre) is therefore kept as it was.
void StoreEntries(const GiroEntries& entries, Tgirotyp kind, TGiroRec& slip);

// The key the slip will be stored under: payee cut to 30 ("XXX" when
// empty), with "_" + littera (cut to 2) when there is one, cut to 30.
std::string StoredGiroKey(const GiroEntries& entries);

// An account number passes when it is empty, or holds at least one digit
// and passes the mod-10 check.
bool GiroNumberPasses(std::string_view number);

// Both account numbers as they will be stored pass.
bool AccountsPass(const GiroEntries& entries);

}  // namespace oltoma::labels
