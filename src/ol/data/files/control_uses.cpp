#include "ol/data/files/control_uses.h"

#include "ol/data/files/ol_state.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/record_keys.h"
#include "storage/access_layer.h"

namespace oltoma::ol {

void CountControlUses(const TrackRec& course, int sign) {
    OlState& ol = Ol();
    CountControlUses(ol.controlFile, course, ol.clubTable, sign);
}

void CountControlUses(storage::FileBlock* controlFile, const TrackRec& course, CmpClubRec& table,
                      int sign, std::vector<std::string>* notFound) {
    if (controlFile == nullptr) {
        return;
    }
    for (int i = 0; i < ControlCount(course); ++i) {
        const std::int32_t controlRc =
            storage::FindKey(controlFile, 1, ControlKey(course.KodNr[i].view()));
        if (!storage::IsamSucceeded()) {
            if (notFound != nullptr) {
                notFound->push_back(course.KodNr[i].str());
            }
            continue;
        }
        if (sign < 0 && ControlUseOf(table, controlRc) <= 0) {
            continue;
        }
        AddControlUse(table, controlRc, sign < 0 ? -1 : 1);
    }
}

}  // namespace oltoma::ol
