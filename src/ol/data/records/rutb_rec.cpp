#include "ol/data/records/rutb_rec.h"

#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearRutbRec(RutbRec& route) {
    route = RutbRec{};
    route.Mark = kRouteMarkOfNew;
}

void ConvertAfterRead(RutbRec& route) {
    ConvertOemField(route.Namn);
    ConvertOemField(route.Text);
}

}  // namespace oltoma::ol
