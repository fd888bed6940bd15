#include "ol/reports/course_controls.h"

#include "base/text/number_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"

namespace oltoma::ol {

KontrRec CourseControls::Slot(int place, bool* found) {
    const int count = ControlCount(course_);
    const std::string_view code =
        place >= 1 && place <= count ? course_.KodNr[place - 1].view() : std::string_view();
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    if (Ol().controlFile != nullptr) {
        FindControl(FindMode::kByKey, code, rc, notFound, ok);
    }
    if (found != nullptr) {
        *found = !notFound;
    }
    KontrRec slot{};
    if (!notFound) {
        slot = Ol().control.rec;
        if (slot.KodNr.view().starts_with('T')) {
            ++tControls_;
            return slot;
        }
    } else {
        slot.KodNr = kMissingControlCode;
        slot.R[1] = code;
        slot.R[3] = "finns";
        slot.R[4] = "inte";
        slot.R[5] = "data";
    }
    if (slot.R[0].empty() && place > 1 && place < count) {
        slot.R[0] = IntSpacePadded(place - tControls_ - 1, 2);
    }
    return slot;
}

}  // namespace oltoma::ol
