// The defaults of new records, checked against whole byte images: every
// byte a default does not set must be zero, and every default must sit at
// its file offset.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "base/text/windows1252.h"
#include "ol/data/records/club_rec.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/rutb24_rec.h"
#include "ol/data/records/rutb_rec.h"
#include "ol/data/records/track_rec.h"
#include "record_image.h"

namespace oltoma::ol {
namespace {

using testing::BytesOf;
using testing::Differences;
using testing::RecordImage;

// A record full of garbage, as a buffer holds after other work.
template <typename Record>
Record Dirty() {
    Record record;
    std::memset(static_cast<void*>(&record), 0xA5, sizeof record);
    return record;
}

#define EXPECT_IMAGE(record, image) \
    EXPECT_TRUE(BytesOf(record) == (image).bytes()) << Differences(BytesOf(record), (image).bytes())

InfoRec NewCompetition() {
    InfoRec info = Dirty<InfoRec>();
    ClearInfoRec(info);
    return info;
}

TEST(RecordDefaults, Competition) {
    RecordImage image(sizeof(InfoRec));
    image.Int(112, 4, 360).Int(116, 4, 720).Ints(300, 2, 5, 1);
    image.Int(622, 1, 1).Int(624, 2, 1);
    image.Ints(1104, 2, 3, 1).Int(1110, 2, 10).Text(1112, "*1.5");
    image.Int(1125, 1, 7).Int(1126, 1, 1).Int(1128, 4, 15000).Int(1132, 2, 12);
    image.Int(2159, 1, 1).Ints(2162, 2, 4, -1).Int(2170, 1, 1);
    image.Int(2172, 2, 1).Int(2174, 2, 3).Int(2182, 1, 12).Int(2188, 2, 2);
    image.Int(2196, 2, '?').Int(2199, 1, 1).Int(2214, 1, 1);
    image.Text(2215, Windows1252FromUtf8("Ö DIR"));
    image.Ints(2240, 4, 5, 32400).Int(2260, 1, 1);
    EXPECT_IMAGE(NewCompetition(), image);
}

RecordImage ClassImage(const char* drawText, int sMell, int maxi, int strNr) {
    RecordImage image(sizeof(KlassRec));
    for (int day = 0; day < 5; ++day) {
        image.Text(31 + 4 * day, std::string(1, static_cast<char>('A' + day)));
        image.Text(51 + 7 * day,
                   drawText ? drawText : std::string(1, static_cast<char>('1' + day)));
    }
    image.Ints(608, 4, 5, sMell).Ints(652, 4, 156, 5999948).Int(1900, 2, maxi);
    image.Ints(2216, 2, 2, -1).Int(2224, 2, strNr).Ints(2226, 2, 5, 1);
    image.Ints(2236, 2, 15, 1).Int(2280, 4, 360).Int(2284, 4, 720);
    return image;
}

TEST(RecordDefaults, ClassFollowsItsCompetition) {
    const InfoRec competition = NewCompetition();
    KlassRec klass = Dirty<KlassRec>();
    ClearKlassRec(klass, competition);
    EXPECT_IMAGE(klass, ClassImage(nullptr, 60, 250, 1));

    // One day, relay over three legs, recreational, with vacancies.
    InfoRec relay = competition;
    relay.Days = 0;
    relay.Relay = 1;
    relay.StrNr = 3;
    relay.Typ = "Motion";
    relay.vakanser = 7;
    klass = Dirty<KlassRec>();
    ClearKlassRec(klass, relay);
    EXPECT_IMAGE(klass, ClassImage("123", 0, 3200, 3).Int(2214, 2, 7));

    // A stored leg count beyond the digits draws at most six of them.
    relay.StrNr = 12;
    ClearKlassRec(klass, relay);
    EXPECT_EQ(klass.BanLottn[4], "123456");
}

TEST(RecordDefaults, Participant) {
    RecordImage image(sizeof(DeltRec));
    image.Text(8, "0000").Ints(18, 2, 156, 9999).Ints(352, 4, 156, 5999948);
    for (int day = 0; day < 5; ++day) {
        image.Text(1697 + 3 * day, "LL");
    }
    InfoRec competition = NewCompetition();
    DeltRec participant = Dirty<DeltRec>();
    ClearDeltRec(participant, competition);
    EXPECT_IMAGE(participant, image);

    competition.Days = 0;
    for (int day = 0; day < 5; ++day) {
        image.Text(1504 + 33 * day, "str 0" + std::to_string(day + 1));
    }
    ClearDeltRec(participant, competition);
    EXPECT_IMAGE(participant, image);
}

TEST(RecordDefaults, SharedRegistersAndDefinitions) {
    ClubRec club = Dirty<ClubRec>();
    ClearClubRec(club);
    EXPECT_IMAGE(club, RecordImage(sizeof(ClubRec))
                           .Text(8, "00")
                           .Int(506, 2, '0')
                           .Int(508, 2, 1)
                           .Int(510, 2, '0')
                           .Int(512, 2, '0'));

    DistrRec district = Dirty<DistrRec>();
    ClearDistrRec(district);
    EXPECT_IMAGE(district, RecordImage(sizeof(DistrRec)).Text(4, "99"));

    KontrRec control = Dirty<KontrRec>();
    ClearKontrRec(control);
    EXPECT_IMAGE(control, RecordImage(sizeof(KontrRec)));

    TrackRec course = Dirty<TrackRec>();
    ClearTrackRec(course);
    EXPECT_IMAGE(course, RecordImage(sizeof(TrackRec)));

    RutbRec route = Dirty<RutbRec>();
    ClearRutbRec(route);
    EXPECT_IMAGE(route, RecordImage(sizeof(RutbRec)).Int(186, 2, 999));

    Rutb24Rec route24 = Dirty<Rutb24Rec>();
    ClearRutb24Rec(route24);
    EXPECT_IMAGE(route24, RecordImage(sizeof(Rutb24Rec)).Int(4, 2, 999));
}

TEST(RecordDefaults, ClubTableTakesTheOrganiser) {
    InfoRec competition = NewCompetition();
    competition.Arr = Windows1252FromUtf8("OK Linné");
    auto table = std::make_unique<CmpClubRec>(Dirty<CmpClubRec>());
    ClearCmpClubRec(*table, competition);
    EXPECT_IMAGE(*table, RecordImage(sizeof(CmpClubRec)).Text(4964, competition.Arr.str()));
}

}  // namespace
}  // namespace oltoma::ol
