#include "ol/data/distr_rec.h"

#include "ol/data/record_text.h"

namespace oltoma::ol {

void ClearDistrRec(DistrRec& district) {
    district = DistrRec{};
    district.Dnr = "99";
}

void ConvertAfterRead(DistrRec& district) {
    ConvertOemField(district.Dnr);
    ConvertOemField(district.Dname);
    ConvertOemField(district.Dkort);
}

}  // namespace oltoma::ol
