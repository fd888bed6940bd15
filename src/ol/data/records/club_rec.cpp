#include "ol/data/records/club_rec.h"

#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearClubRec(ClubRec& club) {
    club = ClubRec{};
    club.Dnr = "00";
    club.Tecken1 = u'0';
    club.Antal1 = 1;
    club.Tecken2 = u'0';
    club.Tecken3 = u'0';
}

void ConvertAfterRead(ClubRec& club) {
    ConvertOemField(club.Dnr);
    ConvertOemField(club.Namn);
    ConvertOemField(club.Kort);
    for (AdressLines& contact : club.Adress) {
        ConvertOemFields(contact);
    }
}

}  // namespace oltoma::ol
