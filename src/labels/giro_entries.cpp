#include "labels/giro_entries.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "base/text/luhn.h"
#include "labels/stored_text.h"

namespace oltoma::labels {
namespace {

std::string Cut(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

int AmountBoxValue(std::string_view attBetala) {
    std::string_view digits = attBetala;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || negative)) {
        digits.remove_prefix(1);
    }
    int value = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (digits.empty() || digits.front() == '-' || error != std::errc() || end != last) {
        return 0;
    }
    return negative ? -value : value;
}

GiroEntries EntriesOf(const TGiroRec& slip) {
    GiroEntries entries;
    entries.payee = slip.Mottagare.str();
    entries.littera = slip.Lnr.str();
    entries.tillG = slip.TillG.str();
    entries.egetKonto = slip.EgetKonto.str();
    entries.referens = slip.Referens.str();
    entries.message = slip.gtxt.str();
    entries.address = slip.gadrtxt.str();
    entries.amount = AmountBoxValue(slip.AttBetala.view());
    return entries;
}

void StoreEntries(const GiroEntries& entries, Tgirotyp kind, TGiroRec& slip) {
    slip.Mottagare = entries.payee;
    slip.Lnr = entries.littera;
    slip.TillG = entries.tillG;
    slip.EgetKonto = entries.egetKonto;
    slip.Referens = entries.referens;
    slip.gtxt = StoredLines(entries.message, kGiroMessageLength);
    slip.gadrtxt = StoredLines(entries.address, kGiroAddressLength);
    if (entries.amountChanged) {
        if (entries.amount != 0) {
            slip.AttBetala = std::to_string(entries.amount);
        } else {
            slip.AttBetala = kind == Tgirotyp::bankgiro ? "0" : "";
        }
    }
}

std::string StoredGiroKey(const GiroEntries& entries) {
    const std::string payee = Cut(entries.payee, kGiroFieldLength);
    return GiroKey(payee.empty() ? kEmptyPayee : payee, Cut(entries.littera, kLitteraLength));
}

bool GiroNumberPasses(std::string_view number) {
    return number.empty() || (HasDigit(number) && LuhnValid(number));
}

bool AccountsPass(const GiroEntries& entries) {
    return GiroNumberPasses(Cut(entries.tillG, kGiroFieldLength)) &&
           GiroNumberPasses(Cut(entries.egetKonto, kGiroFieldLength));
}

}  // namespace oltoma::labels
