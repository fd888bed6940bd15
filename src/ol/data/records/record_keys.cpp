#include "ol/data/records/record_keys.h"

#include "base/text/swedish_case.h"

namespace oltoma::ol {
namespace {

std::string KeyText(std::string_view field, std::size_t characters) {
    return UpperString(field.substr(0, characters));
}

template <std::size_t N>
void ReplaceIfEmpty(ShortString<N>& field, std::string_view replacement) {
    if (field.empty()) {
        field = replacement;
    }
}

}  // namespace

std::string ClubKey(std::string_view name) {
    return KeyText(name, 30);
}
std::string DistrictKey(std::string_view dnr) {
    return KeyText(dnr, 2);
}
std::string RouteKey(std::string_view name) {
    return KeyText(name, 10);
}
std::string ClassSortOrderKey(std::string_view sortOrdn) {
    return KeyText(sortOrdn, 14);
}
std::string ClassDesignationKey(std::string_view bet) {
    return KeyText(bet, 8);
}
std::string ParticipantKey(std::string_view nrStr) {
    return KeyText(nrStr, 4);
}
std::string CourseKey(std::string_view bana) {
    return KeyText(bana, 12);
}
std::string ControlKey(std::string_view kodNr) {
    return KeyText(kodNr, 3);
}

void ReplaceEmptyKey(ClubRec& club) {
    ReplaceIfEmpty(club.Namn, kEmptyKeyText);
}
void ReplaceEmptyKey(DistrRec& district) {
    ReplaceIfEmpty(district.Dnr, kEmptyDistrictKeyText);
}
void ReplaceEmptyKey(RutbRec& route) {
    ReplaceIfEmpty(route.Namn, kEmptyKeyText);
}
void ReplaceEmptyKey(Rutb24Rec& route) {
    ReplaceIfEmpty(route.Namn, kEmptyKeyText);
}
void ReplaceEmptyKey(KlassRec& klass) {
    ReplaceIfEmpty(klass.Bet, kEmptyKeyText);
}
void ReplaceEmptyKey(TrackRec& course) {
    ReplaceIfEmpty(course.Bana, kEmptyKeyText);
}
void ReplaceEmptyKey(KontrRec& control) {
    ReplaceIfEmpty(control.KodNr, kEmptyKeyText);
}

}  // namespace oltoma::ol
