#include "ol/data/records/info_rec.h"

#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/records/record_enums.h"
#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearInfoRec(InfoRec& info) {
    info = InfoRec{};
    info.minKmTid = 360;
    info.maxKmTid = 720;
    for (int day = 0; day < kDayCount; ++day) {
        info.nontime[day] = 1;
        info.NollTid[day] = 9 * 3600;
    }
    info.Days = 1;
    info.StrNr = 1;
    info.Avg.e = 1;
    info.Avg.u = 1;
    info.Avg.o = 1;
    info.Avg.l = 10;
    info.Avg.ef = "*1.5";
    info.kort = static_cast<std::uint8_t>(KortRtnTypes::hall);
    info.labelMode = 1;
    info.KartSkala = 15000;
    info.mTabell = 12;
    info.doRanking = 1;
    info.resDag[0] = info.resDag[1] = -1;
    info.resDag1[0] = info.resDag1[1] = -1;
    info.gemen.value = 1;
    info.BanPrSkala24 = 1;
    info.banPrSkala8 = 3;
    info.banPrSkalaW = 12;
    info.etkmarg = 2;
    info.tvltyp = u'?';
    info.ClubSort = static_cast<std::uint8_t>(ClubSortType::flipordn);
    info.ClubNrOption.value = static_cast<std::uint8_t>(ClubNrOptionType::ofclubnr);
    info.usedirklass = 1;
    info.dirklassfilter = Windows1252FromUtf8("Ö DIR");
    info.SNrstart = 1;
}

void ConvertAfterRead(InfoRec& info) {
    ConvertOemField(info.Lnr);
    ConvertOemField(info.Arr);
    ConvertOemField(info.Tvl);
    ConvertOemField(info.Date);
    CutField(info.Date, 20);
    ConvertOemField(info.Typ);
    for (AdressLines& contact : info.adress) {
        ConvertOemFields(contact);
    }
    ConvertOemField(info.Avg.ef);
    CutField(info.Avg.ef, 6);
    ConvertOemField(info.ExtraFileName);
    ConvertOemField(info.dirklassfilter);
}

bool IsRecreational(const InfoRec& info) {
    return UpperString(info.Typ.view()).find("MOTION") != std::string::npos;
}

int MaxClassEntries(bool recreational) {
    return recreational ? 3200 : 250;
}

}  // namespace oltoma::ol
