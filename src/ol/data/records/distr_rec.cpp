#include "ol/data/records/distr_rec.h"

#include "ol/data/records/record_text.h"

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
