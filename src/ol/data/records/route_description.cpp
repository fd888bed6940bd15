// The defaults and the conversion after reading of both route description
// records, written once over the fields they share (route_description.h).
#include "ol/data/records/route_description.h"

#include "ol/data/records/record_text.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"

namespace oltoma::ol {
namespace {

template <typename Route>
void ClearRouteDescription(Route& route) {
    route = Route{};
    route.Mark = kRouteMarkOfNew;
}

template <typename Route>
void ConvertRouteDescription(Route& route) {
    ConvertOemField(route.Namn);
    ConvertOemField(route.Text);
}

}  // namespace

void ClearRutbRec(RutbRec& route) {
    ClearRouteDescription(route);
}

void ClearRutb24Rec(Rutb24Rec& route) {
    ClearRouteDescription(route);
}

void ConvertAfterRead(RutbRec& route) {
    ConvertRouteDescription(route);
}

void ConvertAfterRead(Rutb24Rec& route) {
    ConvertRouteDescription(route);
}

}  // namespace oltoma::ol
