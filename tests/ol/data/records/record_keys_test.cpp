#include "ol/data/records/record_keys.h"

#include <gtest/gtest.h>

#include "base/text/windows1252.h"

namespace oltoma::ol {
namespace {

TEST(RecordKeys, AreUpperCasedAndCutToWhatLookupsUse) {
    const auto w = [](const char* utf8) { return Windows1252FromUtf8(utf8); };
    EXPECT_EQ(ClubKey(w("ok linné")), w("OK LINNÉ"));
    EXPECT_EQ(ClubKey(std::string(40, 'a')), std::string(30, 'A'));
    EXPECT_EQ(DistrictKey("123"), "12");
    EXPECT_EQ(RouteKey(w("bäckkorsning")), w("BÄCKKORSNI"));
    EXPECT_EQ(ClassSortOrderKey("00079EH21E"), "00079EH21E");
    EXPECT_EQ(ClassDesignationKey(w("öppen motion")), w("ÖPPEN MO"));
    EXPECT_EQ(ParticipantKey("00123"), "0012");
    EXPECT_EQ(CourseKey("a1"), "A1");
    EXPECT_EQ(ControlKey("k31x"), "K31");
}

TEST(RecordKeys, EmptyKeysAreStoredAsXxxAndDistrictsAs99) {
    ClubRec club;
    ClearClubRec(club);
    ReplaceEmptyKey(club);
    EXPECT_EQ(club.Namn, "XXX");
    club.Namn = "IFK";
    ReplaceEmptyKey(club);
    EXPECT_EQ(club.Namn, "IFK");

    DistrRec district;
    ClearDistrRec(district);
    district.Dnr = "";
    ReplaceEmptyKey(district);
    EXPECT_EQ(district.Dnr, "99");

    KlassRec klass{};
    ReplaceEmptyKey(klass);
    EXPECT_EQ(klass.Bet, "XXX");
    TrackRec course{};
    ReplaceEmptyKey(course);
    EXPECT_EQ(course.Bana, "XXX");
    KontrRec control{};
    ReplaceEmptyKey(control);
    EXPECT_EQ(control.KodNr, "XXX");
    RutbRec route{};
    ReplaceEmptyKey(route);
    EXPECT_EQ(route.Namn, "XXX");
    Rutb24Rec route24{};
    ReplaceEmptyKey(route24);
    EXPECT_EQ(route24.Namn, "XXX");
}

}  // namespace
}  // namespace oltoma::ol
