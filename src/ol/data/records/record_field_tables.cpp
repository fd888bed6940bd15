#include "ol/data/records/record_field_tables.h"

namespace oltoma::ol {
namespace {

constexpr FieldKind kBoolean = FieldKind::Boolean;
constexpr FieldKind kPadding = FieldKind::Padding;

}  // namespace

template <>
FieldTable FieldsOf<AvgType>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(AvgType, e), OLTOMA_FIELD(AvgType, u),  OLTOMA_FIELD(AvgType, o),
        OLTOMA_FIELD(AvgType, l), OLTOMA_FIELD(AvgType, ef),
    };
    return fields;
}

template <>
FieldTable FieldsOf<InfoRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(InfoRec, DataStatus),
        OLTOMA_FIELD(InfoRec, Lnr),
        OLTOMA_FIELD(InfoRec, Arr),
        OLTOMA_FIELD(InfoRec, Tvl),
        OLTOMA_FIELD(InfoRec, Date),
        OLTOMA_FIELD(InfoRec, minKmTid),
        OLTOMA_FIELD(InfoRec, maxKmTid),
        OLTOMA_FIELD(InfoRec, DagStr),
        OLTOMA_FIELD(InfoRec, MellanTid),
        OLTOMA_FIELD(InfoRec, StTidCount),
        OLTOMA_FIELD(InfoRec, ResIndex),
        OLTOMA_FIELD(InfoRec, nontime),
        OLTOMA_FIELD(InfoRec, Count),
        OLTOMA_FIELD(InfoRec, Days, kBoolean),
        OLTOMA_FIELD(InfoRec, Relay, kBoolean),
        OLTOMA_FIELD(InfoRec, StrNr),
        OLTOMA_FIELD(InfoRec, maxDag),
        OLTOMA_FIELD(InfoRec, maxLap),
        OLTOMA_FIELD(InfoRec, Typ),
        OLTOMA_FIELD(InfoRec, adress),
        OLTOMA_FIELD(InfoRec, Padding1, kPadding),
        OLTOMA_FIELD(InfoRec, Avg),
        OLTOMA_FIELD(InfoRec, gLottad, kBoolean),
        OLTOMA_FIELD(InfoRec, cLottad, kBoolean),
        OLTOMA_FIELD(InfoRec, sLottad, kBoolean),
        OLTOMA_FIELD(InfoRec, Lottad, kBoolean),
        OLTOMA_FIELD(InfoRec, Jaktad, kBoolean),
        OLTOMA_FIELD(InfoRec, kort),
        OLTOMA_FIELD(InfoRec, labelMode, kBoolean),
        OLTOMA_FIELD(InfoRec, postgiromode),
        OLTOMA_FIELD(InfoRec, KartSkala),
        OLTOMA_FIELD(InfoRec, mTabell),
        OLTOMA_FIELD(InfoRec, ExtraFileName),
        OLTOMA_FIELD(InfoRec, doRanking, kBoolean),
        OLTOMA_FIELD(InfoRec, hhmmssMode),
        OLTOMA_FIELD(InfoRec, resDag),
        OLTOMA_FIELD(InfoRec, resDag1),
        OLTOMA_FIELD(InfoRec, gemen),
        OLTOMA_FIELD(InfoRec, BanPrSkala24),
        OLTOMA_FIELD(InfoRec, banPrSkala8),
        OLTOMA_FIELD(InfoRec, etkrader),
        OLTOMA_FIELD(InfoRec, SortVx, kBoolean),
        OLTOMA_FIELD(InfoRec, mankordn, kBoolean),
        OLTOMA_FIELD(InfoRec, SNrresultat, kBoolean),
        OLTOMA_FIELD(InfoRec, eftstartl, kBoolean),
        OLTOMA_FIELD(InfoRec, banPrSkalaW),
        OLTOMA_FIELD(InfoRec, kortkod, kBoolean),
        OLTOMA_FIELD(InfoRec, remsplakat, kBoolean),
        OLTOMA_FIELD(InfoRec, PrLogg, kBoolean),
        OLTOMA_FIELD(InfoRec, remslogg),
        OLTOMA_FIELD(InfoRec, etkmarg),
        OLTOMA_FIELD(InfoRec, timerelative),
        OLTOMA_FIELD(InfoRec, vakanser),
        OLTOMA_FIELD(InfoRec, tvlnr),
        OLTOMA_FIELD(InfoRec, tvltyp),
        OLTOMA_FIELD(InfoRec, tvldistr),
        OLTOMA_FIELD(InfoRec, ClubSort),
        OLTOMA_FIELD(InfoRec, ClubNrOption),
        OLTOMA_FIELD(InfoRec, nStart),
        OLTOMA_FIELD(InfoRec, usedirklass, kBoolean),
        OLTOMA_FIELD(InfoRec, dirklassfilter),
        OLTOMA_FIELD(InfoRec, barcode),
        OLTOMA_FIELD(InfoRec, NollTid),
        OLTOMA_FIELD(InfoRec, SNrstart, kBoolean),
        OLTOMA_FIELD(InfoRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<KlassRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(KlassRec, DataStatus),
        OLTOMA_FIELD(KlassRec, Lnr),
        OLTOMA_FIELD(KlassRec, Bet),
        OLTOMA_FIELD(KlassRec, SortOrdn),
        OLTOMA_FIELD(KlassRec, Bana),
        OLTOMA_FIELD(KlassRec, BanLottn),
        OLTOMA_FIELD(KlassRec, BanLottnSpare, kPadding),
        OLTOMA_FIELD(KlassRec, BanSize),
        OLTOMA_FIELD(KlassRec, SMell),
        OLTOMA_FIELD(KlassRec, FrstStNr),
        OLTOMA_FIELD(KlassRec, StNrCount),
        OLTOMA_FIELD(KlassRec, FrstStTid),
        OLTOMA_FIELD(KlassRec, SegrTid),
        OLTOMA_FIELD(KlassRec, SegrNdx),
        OLTOMA_FIELD(KlassRec, maxi),
        OLTOMA_FIELD(KlassRec, Count),
        OLTOMA_FIELD(KlassRec, vakanser),
        OLTOMA_FIELD(KlassRec, eftAnm),
        OLTOMA_FIELD(KlassRec, FirstDataNr),
        OLTOMA_FIELD(KlassRec, LastDataNr),
        OLTOMA_FIELD(KlassRec, StrNr),
        OLTOMA_FIELD(KlassRec, nontime),
        OLTOMA_FIELD(KlassRec, St),
        OLTOMA_FIELD(KlassRec, Goal),
        OLTOMA_FIELD(KlassRec, FilNr),
        OLTOMA_FIELD(KlassRec, Jakt),
        OLTOMA_FIELD(KlassRec, Nummerlapp),
        OLTOMA_FIELD(KlassRec, Flag),
        OLTOMA_FIELD(KlassRec, FlagSpare, kPadding),
        OLTOMA_FIELD(KlassRec, minKmTid),
        OLTOMA_FIELD(KlassRec, maxKmTid),
        OLTOMA_FIELD(KlassRec, Struken, kBoolean),
        OLTOMA_FIELD(KlassRec, nPris),
        OLTOMA_FIELD(KlassRec, nStart),
        OLTOMA_FIELD(KlassRec, reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<DeltRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(DeltRec, DataStatus),
        OLTOMA_FIELD(DeltRec, KlassRc),
        OLTOMA_FIELD(DeltRec, NrStr),
        OLTOMA_FIELD(DeltRec, Padding1, kPadding),
        OLTOMA_FIELD(DeltRec, Nr),
        OLTOMA_FIELD(DeltRec, Rc),
        OLTOMA_FIELD(DeltRec, Plac),
        OLTOMA_FIELD(DeltRec, Reserved1),
        OLTOMA_FIELD(DeltRec, StTid),
        OLTOMA_FIELD(DeltRec, Tider),
        OLTOMA_FIELD(DeltRec, EtappTid),
        OLTOMA_FIELD(DeltRec, Bricka),
        OLTOMA_FIELD(DeltRec, Namn),
        OLTOMA_FIELD(DeltRec, Padding2, kPadding),
        OLTOMA_FIELD(DeltRec, ClubRc),
        OLTOMA_FIELD(DeltRec, DagBana),
        OLTOMA_FIELD(DeltRec, Oppen, kBoolean),
        OLTOMA_FIELD(DeltRec, DagKod),
        OLTOMA_FIELD(DeltRec, Extra),
        OLTOMA_FIELD(DeltRec, Info),
    };
    return fields;
}

template <>
FieldTable FieldsOf<ClubRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(ClubRec, DataStatus), OLTOMA_FIELD(ClubRec, Cnr),
        OLTOMA_FIELD(ClubRec, Dnr),        OLTOMA_FIELD(ClubRec, Namn),
        OLTOMA_FIELD(ClubRec, Kort),       OLTOMA_FIELD(ClubRec, Adress),
        OLTOMA_FIELD(ClubRec, Tecken1),    OLTOMA_FIELD(ClubRec, Antal1),
        OLTOMA_FIELD(ClubRec, Tecken2),    OLTOMA_FIELD(ClubRec, Tecken3),
        OLTOMA_FIELD(ClubRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<DistrRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(DistrRec, DataStatus), OLTOMA_FIELD(DistrRec, Dnr),
        OLTOMA_FIELD(DistrRec, Dname),      OLTOMA_FIELD(DistrRec, Dkort),
        OLTOMA_FIELD(DistrRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<KontrRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(KontrRec, DataStatus), OLTOMA_FIELD(KontrRec, KodNr),
        OLTOMA_FIELD(KontrRec, posX),       OLTOMA_FIELD(KontrRec, posY),
        OLTOMA_FIELD(KontrRec, R),          OLTOMA_FIELD(KontrRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<TrackRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(TrackRec, DataStatus),
        OLTOMA_FIELD(TrackRec, Bana),
        OLTOMA_FIELD(TrackRec, Padding1, kPadding),
        OLTOMA_FIELD(TrackRec, BanSize),
        OLTOMA_FIELD(TrackRec, Rise),
        OLTOMA_FIELD(TrackRec, Antal),
        OLTOMA_FIELD(TrackRec, KodNr),
        OLTOMA_FIELD(TrackRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<RutbRec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(RutbRec, DataStatus), OLTOMA_FIELD(RutbRec, Rc),   OLTOMA_FIELD(RutbRec, Namn),
        OLTOMA_FIELD(RutbRec, Text),       OLTOMA_FIELD(RutbRec, Body), OLTOMA_FIELD(RutbRec, Mark),
        OLTOMA_FIELD(RutbRec, Reserv),
    };
    return fields;
}

template <>
FieldTable FieldsOf<Rutb24Rec>() {
    static const FieldDescriptor fields[] = {
        OLTOMA_FIELD(Rutb24Rec, DataStatus), OLTOMA_FIELD(Rutb24Rec, Mark),
        OLTOMA_FIELD(Rutb24Rec, Rc),         OLTOMA_FIELD(Rutb24Rec, Namn),
        OLTOMA_FIELD(Rutb24Rec, Text),       OLTOMA_FIELD(Rutb24Rec, Symbol),
        OLTOMA_FIELD(Rutb24Rec, Reserv),
    };
    return fields;
}

}  // namespace oltoma::ol
