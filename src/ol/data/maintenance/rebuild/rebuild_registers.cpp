#include "ol/data/maintenance/rebuild/rebuild_registers.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "base/text/swedish_case.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/record_keys.h"
#include "storage/access_layer.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

// "ÖÖÖ" in Windows-1252.
constexpr std::string_view kReplacementMark = "\xD6\xD6\xD6";
constexpr std::string_view kReplacementMarkAlternative = "___";

// Puts the stored record into the kind's buffer and adds it with the
// register's add operation; the new record number, 0 on failure.
template <typename Record>
std::int32_t AddThrough(RecordBuffer<Record>& buffer, bool (*save)(bool, std::int32_t&),
                        const std::uint8_t* bytes) {
    std::memcpy(&buffer.rec, bytes, sizeof(Record));
    std::int32_t rc = 0;
    return save(true, rc) ? rc : 0;
}

template <typename Record>
Record RecordOf(const std::uint8_t* bytes) {
    Record record;
    std::memcpy(&record, bytes, sizeof(Record));
    return record;
}

void NoVisit(std::int32_t, std::int32_t, const std::uint8_t*) {}

std::string CompetitionDisplayName(std::string_view base) {
    return std::string(base) + ".Dat";
}

bool IsReplacementClub(const ClubRec& club) {
    const std::string name = UpperString(club.Namn.view());
    return name.find(kReplacementMark) != std::string::npos ||
           name.find(kReplacementMarkAlternative) != std::string::npos;
}

void ClearCountsOfDays(KlassRec& klass) {
    const int days = ClampedDayCount(klass.StrNr);
    std::memset(klass.Count.cell, 0, sizeof(std::int16_t) * (days + 1) * kPositionCount);
}

// A job for register `base` of the rebuild's live data directory.
RegisterRebuild JobFor(const RebuildState& state, std::string base, std::string displayName) {
    RegisterRebuild job;
    job.liveData = storage::NamesOfFileBlock(state.liveFolder + base).data;
    job.liveText = state.liveFolderText + base;
    job.base = std::move(base);
    job.displayName = std::move(displayName);
    return job;
}

}  // namespace

bool RegisterFilesExist(const RebuildState& state, std::string_view base) {
    std::error_code error;
    return std::filesystem::exists(
        storage::NamesOfFileBlock(state.liveFolder + std::string(base)).data, error);
}

bool RebuildClubs(RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    RegisterRebuild job =
        JobFor(state, std::string(kClubRegisterBase), std::string(kClubRegisterBase));
    job.format = &ClubRegisterFormat();
    job.handle = &ol.clubFile;
    job.add = [&ol](std::uint8_t* record, std::string& name) {
        const std::int32_t rc = AddThrough(ol.club, &SaveClub, record);
        name = ol.club.rec.Namn.str();
        return rc;
    };
    job.visit = [&state](std::int32_t oldRc, std::int32_t newRc, const std::uint8_t* record) {
        state.clubs.Set(oldRc, newRc);
        if (IsReplacementClub(RecordOf<ClubRec>(record))) {
            state.replacementClub = newRc;
        }
    };
    state.clubs.Clear();
    state.replacementClub = 0;
    return RebuildRegister(job, texts);
}

bool RebuildDistricts(const RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    RegisterRebuild job =
        JobFor(state, std::string(kDistrictRegisterBase), std::string(kDistrictRegisterBase));
    job.format = &DistrictRegisterFormat();
    job.handle = &ol.districtFile;
    job.add = [&ol](std::uint8_t* record, std::string& name) {
        const std::int32_t rc = AddThrough(ol.district, &SaveDistrict, record);
        name = ol.district.rec.Dname.str();
        return rc;
    };
    job.visit = &NoVisit;
    return RebuildRegister(job, texts);
}

bool RebuildRouteFiles(const RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    bool rebuilt = true;
    if (RegisterFilesExist(state, kRouteBase)) {
        RegisterRebuild job = JobFor(state, std::string(kRouteBase), std::string(kRouteBase));
        job.format = &RouteFileFormat();
        job.handle = &ol.routeFile;
        job.add = [&ol](std::uint8_t* record, std::string& name) {
            const std::int32_t rc = AddThrough(ol.route, &SaveRoute, record);
            name = ol.route.rec.Namn.str();
            return rc;
        };
        job.visit = &NoVisit;
        rebuilt = RebuildRegister(job, texts);
    }
    if (rebuilt && RegisterFilesExist(state, kRoute24Base)) {
        RegisterRebuild job = JobFor(state, std::string(kRoute24Base), std::string(kRoute24Base));
        job.format = &Route24FileFormat();
        job.handle = &ol.route24File;
        job.add = [&ol](std::uint8_t* record, std::string& name) {
            const std::int32_t rc = AddThrough(ol.route24, &SaveRoute24, record);
            name = ol.route24.rec.Namn.str();
            return rc;
        };
        job.visit = &NoVisit;
        rebuilt = RebuildRegister(job, texts);
    }
    return rebuilt;
}

bool RebuildClasses(RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    const std::string base = CompetitionBaseName(kClassFileBase, state.competition);
    RegisterRebuild job = JobFor(state, base, CompetitionDisplayName(base));
    job.format = &ClassFileFormat();
    job.handle = &ol.classFile;
    job.add = [&ol](std::uint8_t* record, std::string& name) {
        KlassRec klass = RecordOf<KlassRec>(record);
        ClearCountsOfDays(klass);
        const std::int32_t rc =
            AddThrough(ol.klass, &SaveClass, reinterpret_cast<const std::uint8_t*>(&klass));
        name = "\"" + ol.klass.rec.Bet.str() + "\"";
        return rc;
    };
    job.visit = [&state](std::int32_t oldRc, std::int32_t newRc, const std::uint8_t*) {
        state.classes.Set(oldRc, newRc);
    };
    state.classes.Clear();
    return RebuildRegister(job, texts);
}

bool RebuildControls(const RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    const std::string base = CompetitionBaseName(kControlFileBase, state.competition);
    RegisterRebuild job = JobFor(state, base, CompetitionDisplayName(base));
    job.format = &ControlFileFormat();
    job.handle = &ol.controlFile;
    job.add = [&ol](std::uint8_t* record, std::string& name) {
        const std::int32_t rc = AddThrough(ol.control, &SaveControl, record);
        name = ol.control.rec.KodNr.str();
        return rc;
    };
    job.visit = &NoVisit;
    return RebuildRegister(job, texts);
}

bool RebuildCourses(const RebuildState& state, const RebuildTexts& texts) {
    OlState& ol = Ol();
    const std::string controls = CompetitionBaseName(kControlFileBase, state.competition);
    storage::FileBlock* controlFile = nullptr;
    OpenDataFile(controlFile, controls);
    CmpClubRec& table = ol.clubTable;
    const auto clearUses = [&table] {
        std::memset(table.ControlUseCount, 0, sizeof table.ControlUseCount);
    };

    const std::string base = CompetitionBaseName(kCourseFileBase, state.competition);
    RegisterRebuild job = JobFor(state, base, CompetitionDisplayName(base));
    job.format = &CourseFileFormat();
    job.handle = &ol.courseFile;
    job.add = [&ol](std::uint8_t* record, std::string& name) {
        const std::int32_t rc = AddThrough(ol.course, &SaveCourse, record);
        name = ol.course.rec.Bana.str();
        return rc;
    };
    // Each control code of the course found among the controls counts one
    // use of that control.
    job.visit = [&table, controlFile](std::int32_t, std::int32_t, const std::uint8_t* record) {
        if (controlFile == nullptr) {
            return;
        }
        const TrackRec course = RecordOf<TrackRec>(record);
        for (int i = 0; i < ControlCount(course); ++i) {
            const std::int32_t controlRc =
                storage::FindKey(controlFile, 1, ControlKey(course.KodNr[i].view()));
            if (storage::IsamSucceeded()) {
                AddControlUse(table, controlRc, 1);
            }
        }
    };
    clearUses();
    const bool rebuilt = RebuildRegister(job, texts);
    CloseDataFile(controlFile, controls);
    return rebuilt;
}

}  // namespace oltoma::ol
