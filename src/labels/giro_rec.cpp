#include "labels/giro_rec.h"

#include "ol/data/files/file_names.h"

namespace oltoma::labels {

std::string GiroKey(std::string_view payee, std::string_view littera) {
    std::string key = std::string(payee.substr(0, kGiroFieldLength));
    if (!littera.empty()) {
        key += "_" + std::string(littera);
    }
    return key.substr(0, kGiroKeyLength);
}

std::string GiroKey(const TGiroRec& slip) {
    return GiroKey(slip.Mottagare.view(), slip.Lnr.view());
}

std::string_view GiroFileBase(Tgirotyp kind) {
    switch (kind) {
        case Tgirotyp::plusgiro:
        case Tgirotyp::postgiro:
        case Tgirotyp::postgiro1:
            return ol::kPlusgiroFileBase;
        default:
            return ol::kBankgiroFileBase;
    }
}

}  // namespace oltoma::labels
