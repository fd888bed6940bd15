#include "ol/data/records/rutb24_rec.h"

#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearRutb24Rec(Rutb24Rec& route) {
    route = Rutb24Rec{};
    route.Mark = kRouteMarkOfNew;
}

void ConvertAfterRead(Rutb24Rec& route) {
    ConvertOemField(route.Namn);
    ConvertOemField(route.Text);
}

}  // namespace oltoma::ol
