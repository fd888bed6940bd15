#include "ol/data/records/delt_rec.h"

#include "base/text/number_format.h"
#include "ol/data/records/record_text.h"
#include "ol/data/records/result_codes.h"

namespace oltoma::ol {

void ClearDeltRec(DeltRec& participant, const InfoRec& competition) {
    participant = DeltRec{};
    participant.NrStr = "0000";
    for (int group = 0; group < kCountGroupCount; ++group) {
        for (int position = 0; position < kPositionCount; ++position) {
            participant.Plac[group][position] = 9999;
            participant.Tider[group][position] = kEjStartTime;
        }
    }
    for (int day = 0; day < kDayCount; ++day) {
        if (!IsSet(competition.Days)) {
            participant.Namn[day] = "str " + IntZeroPadded(day + 1, 2);
        }
        participant.DagKod[day] = "LL";
    }
}

void ConvertAfterRead(DeltRec& participant) {
    ConvertOemField(participant.NrStr);
    ConvertOemField(participant.Bricka);
    for (int day = 0; day < kDayCount; ++day) {
        ConvertOemField(participant.Namn[day]);
        ConvertOemField(participant.DagBana[day]);
    }
}

std::int32_t StageResult(const DeltRec& participant, int stage) {
    if (stage < 1 || stage > kDayCount) {
        return 0;
    }
    return participant.EtappTid[stage - 1][0];
}

bool IsPair(const DeltRec& participant) {
    return participant.Namn[0].view().find('/') != std::string_view::npos;
}

}  // namespace oltoma::ol
