#include "ol/data/records/kontr_rec.h"

#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearKontrRec(KontrRec& control) {
    control = KontrRec{};
}

void ConvertAfterRead(KontrRec& control) {
    ConvertOemField(control.KodNr);
    for (ShortString<10>& entry : control.R) {
        ConvertOemField(entry);
    }
}

}  // namespace oltoma::ol
