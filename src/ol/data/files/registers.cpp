#include "ol/data/files/registers.h"

#include "base/text/number_format.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/register_family.h"
#include "ol/data/records/class_sort_key.h"
#include "ol/data/records/record_keys.h"

namespace oltoma::ol {
namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string CompetitionFileText(std::string_view base) {
    return CompetitionBaseName(base, Ol().CurrentCompetition);
}

std::string LimitNotice(std::string_view what, int limit) {
    return Windows1252FromUtf8("För många ") + std::string(what) + " >" + std::to_string(limit) +
           " kan ej addera!";
}

struct ClubTraits : RegisterTraitsBase {
    using Record = ClubRec;
    static storage::FileBlock* File() { return Ol().clubFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().club; }
    static std::string FileText() { return std::string(kClubRegisterBase); }
    static std::string KeyOfText(std::string_view text) { return ClubKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, ClubKey(r.Namn)}}; }
    static int Limit() { return kMaxClubs; }
    static std::string LimitNotice() { return ol::LimitNotice("klubbar", kMaxClubs); }
    static void PrepareForStore(Record& r) {
        r.Namn = UpperString(r.Namn);
        ReplaceEmptyKey(r);
    }
};

struct DistrictTraits : RegisterTraitsBase {
    using Record = DistrRec;
    static storage::FileBlock* File() { return Ol().districtFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().district; }
    static std::string FileText() { return std::string(kDistrictRegisterBase); }
    static std::string KeyOfText(std::string_view text) { return DistrictKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, DistrictKey(r.Dnr)}}; }
    static int Limit() { return kMaxDistricts; }
    static std::string LimitNotice() { return ol::LimitNotice("distrikt", kMaxDistricts); }
    static void PrepareForStore(Record& r) { ReplaceEmptyKey(r); }
    static std::string DeletionNotice(const Record& r) {
        return "Distriktet " + r.Dnr.str() + " " + Quoted(r.Dname) + ", raderad....";
    }
};

struct ControlTraits : RegisterTraitsBase {
    using Record = KontrRec;
    static storage::FileBlock* File() { return Ol().controlFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().control; }
    static std::string FileText() { return CompetitionFileText(kControlFileBase); }
    static std::string KeyOfText(std::string_view text) { return ControlKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, ControlKey(r.KodNr)}}; }
    static void PrepareForStore(Record& r) { ReplaceEmptyKey(r); }
    // A control that a course uses stays; the club table counts the uses.
    static bool MayDelete(const Record&, std::int32_t rc) {
        if (ControlUseOf(Ol().clubTable, rc) <= 0) {
            return true;
        }
        SetMessageLine(
            Windows1252FromUtf8("Kan ej radera denna kontroll då den används av någon bana."));
        return false;
    }
    static std::string DeletionNotice(const Record& r) {
        return "Kontroll ,kodnr. " + Quoted(r.KodNr) + ", raderad...";
    }
};

struct CourseTraits : RegisterTraitsBase {
    using Record = TrackRec;
    static storage::FileBlock* File() { return Ol().courseFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().course; }
    static std::string FileText() { return CompetitionFileText(kCourseFileBase); }
    static std::string KeyOfText(std::string_view text) { return CourseKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, CourseKey(r.Bana)}}; }
    static void PrepareForStore(Record& r) { ReplaceEmptyKey(r); }
    // The course no longer uses its controls.
    static void AfterDelete(const Record& r) { CountControlUses(r, -1); }
    static std::string DeletionNotice(const Record& r) {
        return "Banan " + Quoted(r.Bana) + ", raderad...";
    }
};

// The two route description registers differ only in their record, file
// and buffer.
template <typename Route>
struct RouteDescriptionTraits : RegisterTraitsBase {
    using Record = Route;
    static std::string KeyOfText(std::string_view text) { return RouteKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, RouteKey(r.Namn)}}; }
    static void PrepareForStore(Record& r) { ReplaceEmptyKey(r); }
    static void AfterAdd(Record& r, std::int32_t rc) { r.Rc = static_cast<std::int16_t>(rc); }
};

struct RouteTraits : RouteDescriptionTraits<RutbRec> {
    static storage::FileBlock* File() { return Ol().routeFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().route; }
    static std::string FileText() { return std::string(kRouteBase); }
};

struct Route24Traits : RouteDescriptionTraits<Rutb24Rec> {
    static storage::FileBlock* File() { return Ol().route24File; }
    static RecordBuffer<Record>& Buffer() { return Ol().route24; }
    static std::string FileText() { return std::string(kRoute24Base); }
};

struct ClassTraits : RegisterTraitsBase {
    using Record = KlassRec;
    static constexpr int kFindKey = 2;
    static storage::FileBlock* File() { return Ol().classFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().klass; }
    static std::string FileText() { return CompetitionFileText(kClassFileBase); }
    static std::string KeyOfText(std::string_view text) { return ClassDesignationKey(text); }
    // Key 2 (designation) first, then key 1 (sort key).
    static std::vector<StoredKey> Keys(const Record& r) {
        return {{2, ClassDesignationKey(r.Bet)}, {1, ClassSortOrderKey(r.SortOrdn)}};
    }
    static void PrepareForStore(Record& r) { ReplaceEmptyKey(r); }
    static void AfterAdd(Record& r, std::int32_t rc) { r.Lnr = IntZeroPadded(rc, 2); }
    static void BeforePut(Record& r) {
        SetSortOrdn(r, Ol().competition.rec, storage::FileLen(Ol().classFile));
    }
};

struct ParticipantTraits : RegisterTraitsBase {
    using Record = DeltRec;
    static storage::FileBlock* File() { return Ol().participantFile; }
    static RecordBuffer<Record>& Buffer() { return Ol().participant; }
    static std::string FileText() { return CompetitionFileText(kParticipantFileBase); }
    static std::string KeyOfText(std::string_view text) { return ParticipantKey(text); }
    static std::vector<StoredKey> Keys(const Record& r) { return {{1, ParticipantKey(r.NrStr)}}; }
    static void PrepareForStore(Record&) {}
    // Loads the participant's class and club when the buffers hold others.
    static void AfterFind();
};

void ParticipantTraits::AfterFind() {
    OlState& ol = Ol();
    bool notFound = true;
    bool ok = false;
    std::int32_t classRc = ol.participant.rec.KlassRc;
    if (classRc != ol.klass.rc) {
        FindClass(FindMode::kByNumber, {}, classRc, notFound, ok);
    }
    std::int32_t clubRc = ol.participant.rec.ClubRc;
    if (clubRc != ol.club.rc) {
        FindClub(FindMode::kByNumber, {}, clubRc, notFound, ok);
        if (notFound) {
            ClearClub();
            ol.club.rec.Namn = Windows1252FromUtf8("Raderad/okänd klubb");
        }
    }
}

}  // namespace

bool FindClub(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<ClubTraits>(mode, key, rc, notFound, ok);
}
bool SaveClub(bool add, std::int32_t& rc) {
    return SaveRecord<ClubTraits>(add, rc);
}
void ClearClub() {
    ClearClubRec(Ol().club.rec);
    Ol().club.rc = 0;
}

bool FindDistrict(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<DistrictTraits>(mode, key, rc, notFound, ok);
}
bool SaveDistrict(bool add, std::int32_t& rc) {
    return SaveRecord<DistrictTraits>(add, rc);
}
bool RewriteDistrict(std::int32_t rc) {
    return RewriteRecord<DistrictTraits>(rc);
}
bool DeleteDistrict(int mode, std::string_view key, std::int32_t rc, bool withRecord) {
    return DeleteRecord<DistrictTraits>(mode, key, rc, withRecord);
}
void ClearDistrict() {
    ClearDistrRec(Ol().district.rec);
    Ol().district.rc = 0;
}

bool FindControl(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<ControlTraits>(mode, key, rc, notFound, ok);
}
bool SaveControl(bool add, std::int32_t& rc) {
    return SaveRecord<ControlTraits>(add, rc);
}
bool RewriteControl(std::int32_t rc) {
    return RewriteRecord<ControlTraits>(rc);
}
bool DeleteControl(int mode, std::string_view key, std::int32_t rc, bool withRecord) {
    return DeleteRecord<ControlTraits>(mode, key, rc, withRecord);
}
void ClearControl() {
    ClearKontrRec(Ol().control.rec);
    Ol().control.rc = 0;
}

bool FindCourse(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<CourseTraits>(mode, key, rc, notFound, ok);
}
bool SaveCourse(bool add, std::int32_t& rc) {
    return SaveRecord<CourseTraits>(add, rc);
}
bool RewriteCourse(std::int32_t rc) {
    return RewriteRecord<CourseTraits>(rc);
}
bool DeleteCourse(int mode, std::string_view key, std::int32_t rc, bool withRecord) {
    return DeleteRecord<CourseTraits>(mode, key, rc, withRecord);
}
void ClearCourse() {
    ClearTrackRec(Ol().course.rec);
    Ol().course.rc = 0;
}

bool FindRoute(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<RouteTraits>(mode, key, rc, notFound, ok);
}
bool SaveRoute(bool add, std::int32_t& rc) {
    return SaveRecord<RouteTraits>(add, rc);
}
bool RewriteRoute(std::int32_t rc) {
    return RewriteRecord<RouteTraits>(rc);
}
void ClearRoute() {
    ClearRutbRec(Ol().route.rec);
    Ol().route.rc = 0;
}

bool FindRoute24(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<Route24Traits>(mode, key, rc, notFound, ok);
}
bool SaveRoute24(bool add, std::int32_t& rc) {
    return SaveRecord<Route24Traits>(add, rc);
}
bool RewriteRoute24(std::int32_t rc) {
    return RewriteRecord<Route24Traits>(rc);
}
void ClearRoute24() {
    ClearRutb24Rec(Ol().route24.rec);
    Ol().route24.rc = 0;
}

bool FindClass(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<ClassTraits>(mode, key, rc, notFound, ok);
}
bool SaveClass(bool add, std::int32_t& rc) {
    return SaveRecord<ClassTraits>(add, rc);
}
bool RewriteClass(std::int32_t rc) {
    return RewriteRecord<ClassTraits>(rc);
}
void ClearClass() {
    ClearKlassRec(Ol().klass.rec, Ol().competition.rec);
    Ol().klass.rc = 0;
}

bool FindParticipant(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok) {
    return FindRecord<ParticipantTraits>(mode, key, rc, notFound, ok);
}
bool SaveParticipant(bool add, std::int32_t& rc) {
    return SaveRecord<ParticipantTraits>(add, rc);
}
void ClearParticipant() {
    ClearDeltRec(Ol().participant.rec, Ol().competition.rec);
    Ol().participant.rc = 0;
}

}  // namespace oltoma::ol
