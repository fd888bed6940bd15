#include "ol/data/records/klass_rec.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ol/data/records/record_text.h"
#include "ol/data/records/result_codes.h"

namespace oltoma::ol {
namespace {

// Course draw text of day index `day` (0..4): in a relay every leg's digit,
// otherwise the day's own digit.
std::string BanLottnDefault(const InfoRec& competition, int day) {
    if (IsSet(competition.Relay)) {
        const int legs = std::clamp<int>(competition.StrNr, 0, 9);
        return std::string("123456789").substr(0, static_cast<std::size_t>(legs));
    }
    return std::string(1, static_cast<char>('1' + day));
}

}  // namespace

void ClearKlassRec(KlassRec& klass, const InfoRec& competition) {
    klass = KlassRec{};
    const bool severalDays = IsSet(competition.Days);
    for (int day = 0; day < kDayCount; ++day) {
        klass.Bana[day] = std::string(1, static_cast<char>('A' + day));
        klass.BanLottn[day] = BanLottnDefault(competition, day);
        klass.SMell[day] = severalDays ? 60 : 0;
        klass.nontime[day] = competition.nontime[day];
        klass.St[day] = 1;
        klass.Goal[day] = 1;
        klass.FilNr[day] = 1;
        klass.Jakt[day] = severalDays ? 0 : static_cast<std::int16_t>(klass.FrstStTid[day] / 60);
    }
    for (int group = 0; group < kCountGroupCount; ++group) {
        for (int position = 0; position < kPositionCount; ++position) {
            klass.SegrTid[group][position] = kEjStartTime;
        }
    }
    klass.maxi = static_cast<std::int16_t>(MaxClassEntries(IsRecreational(competition)));
    klass.vakanser = competition.vakanser;
    klass.eftAnm[0] = klass.eftAnm[1] = -1;
    klass.StrNr = competition.StrNr;
    klass.minKmTid = competition.minKmTid;
    klass.maxKmTid = competition.maxKmTid;
}

void ConvertAfterRead(KlassRec& klass) {
    ConvertOemField(klass.Lnr);
    ConvertOemField(klass.Bet);
    ConvertOemField(klass.SortOrdn);
    for (int day = 0; day < kDayCount; ++day) {
        ConvertOemField(klass.Bana[day]);
        ConvertOemField(klass.BanLottn[day]);
    }
}

std::int32_t ClassCourseLength(const KlassRec& klass, int stage, int splitIndex) {
    if (stage < 1 || stage > kDayCount || splitIndex < 0 || splitIndex >= kPositionCount) {
        return 0;
    }
    constexpr std::size_t kBlockBytes = sizeof(klass.BanSize) / kDayCount;
    static_assert(kBlockBytes == kPositionCount * sizeof(std::int32_t));
    std::int32_t length = 0;
    std::memcpy(&length,
                klass.BanSize + kBlockBytes * static_cast<std::size_t>(stage - 1) +
                    sizeof(std::int32_t) * static_cast<std::size_t>(splitIndex),
                sizeof length);
    return length;
}

bool IsStruken(const KlassRec& klass, int day) {
    return day >= 0 && day < 6 && IsSet(klass.Struken[day]);
}

}  // namespace oltoma::ol
