#include "ol/data/maintenance/rebuild/rebuild_checks.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <vector>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/competition_register_check.h"
#include "ol/data/maintenance/data_file_records.h"
#include "ol/data/maintenance/rebuild/rebuild_state.h"
#include "ol/data/maintenance/rebuild/rebuild_temp.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/fileblock_names.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();
constexpr std::uintmax_t kSpareBytes = 64 * 1024;

struct RebuildTarget {
    std::string base;
    const IndexedFileFormat& format;
    std::int32_t maxSlots = kNoLimit;
    std::int32_t maxLive = kNoLimit;
    bool optional = false;
};

std::vector<RebuildTarget> TargetsOf(int competition) {
    std::vector<RebuildTarget> targets = {
        {std::string(kClubRegisterBase), ClubRegisterFormat(), kMaxClubSlots},
        {std::string(kDistrictRegisterBase), DistrictRegisterFormat(), kNoLimit, kMaxDistricts},
        {std::string(kRouteBase), RouteFileFormat(), kMaxSmallintSlots, kNoLimit, true},
        {std::string(kRoute24Base), Route24FileFormat(), kMaxSmallintSlots, kNoLimit, true},
    };
    if (competition != 0) {
        const auto of = [competition](std::string_view base) {
            return CompetitionBaseName(base, competition);
        };
        targets.push_back({of(kClassFileBase), ClassFileFormat(), kMaxClassSlots});
        targets.push_back({of(kParticipantFileBase), ParticipantFileFormat(), kMaxSmallintSlots});
        targets.push_back({of(kControlFileBase), ControlFileFormat(), kMaxControlSlots});
        targets.push_back({of(kCourseFileBase), CourseFileFormat()});
    }
    return targets;
}

std::string Text(std::string_view utf8) {
    return Windows1252FromUtf8(utf8);
}

std::uintmax_t SizeOf(const std::string& name) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    return error ? 0 : size;
}

bool JournalPending(const storage::FileBlockNames& names) {
    return SizeOf(names.journal) > 1;
}

class PreconditionCheck {
public:
    PreconditionCheck(int competition, bool discardJournal, std::vector<std::string>& unplayable)
        : competition_(competition), discardJournal_(discardJournal), unplayable_(unplayable) {}

    std::string Run() {
        if (::access(DataFolder().c_str(), W_OK) != 0) {
            return Refuse(Text("datakatalogen kan ej skrivas (") +
                          msgtext(platform::SystemErrorFromErrno(errno)) + ").");
        }
        const std::string leftover = LeftoverTemporaryFiles();
        if (!leftover.empty()) {
            const std::string owner = LeftoverTemporaryRegister(competition_);
            return Refuse(Text("ett avbrutet indexbygge har lämnat ") +
                          (owner.empty() ? Text("filer") : Text("registret ") + owner) +
                          Text(" i \"filetmp\" (") + leftover +
                          Text("); registrets poster kan finnas bara där."));
        }
        std::string reason = CheckCompetitionRegisterFile();
        if (!reason.empty()) {
            return Refuse(reason);
        }
        for (const RebuildTarget& target : TargetsOf(competition_)) {
            std::string reason = CheckTarget(target);
            if (!reason.empty()) {
                return Refuse(reason);
            }
        }
        if (competition_ != 0) {
            std::string reason = CheckCompetition();
            if (!reason.empty()) {
                return Refuse(reason);
            }
        }
        return CheckSpace();
    }

private:
    static std::string Refuse(const std::string& reason) { return "Kan ej indexbygga: " + reason; }

    // The competition register is copied, not rebuilt, but the competition's
    // counters are written into it and every file refers to it.
    std::string CheckCompetitionRegisterFile() const {
        const CompetitionRegisterCheck check = CheckCompetitionRegister();
        switch (check.state) {
            case CompetitionRegisterState::sound:
                return {};
            case CompetitionRegisterState::missing:
                return competition_ == 0 ? std::string() : check.fileName + " saknas.";
            case CompetitionRegisterState::damaged:
                break;
        }
        return Text("tävlingsregistret är skadat: ") + check.failureText;
    }

    // A journal that cannot be played back refuses the rebuild unless it is
    // to be moved aside; then the register is rebuilt from its data file.
    std::string CheckJournal(const RebuildTarget& target, const storage::FileBlockNames& names) {
        storage::FileBlock* handle = nullptr;
        if (OpenDataFile(handle, target.base)) {
            CloseDataFile(handle, target.base);
            return {};
        }
        if (storage::IsamError() != storage::IsamCode::kRollbackFailed) {
            return Text("journalen kan ej spelas upp: ") + StorageFailureText(target.base);
        }
        unplayable_.push_back(names.journal);
        if (discardJournal_) {
            return {};
        }
        const std::string journal = std::filesystem::path(names.journal).filename().string();
        return Text("journalen ") + Text(journal) + Text(" kan ej spelas upp: ") +
               StorageFailureText(target.base);
    }

    std::string CheckTarget(const RebuildTarget& target) {
        const storage::FileBlockNames names = storage::NamesOfFileBlock(DataFileName(target.base));
        std::error_code error;
        if (!std::filesystem::exists(names.data, error)) {
            return target.optional ? std::string() : target.base + " saknas.";
        }
        ClearStorageStatus();
        for (const std::string& name : {names.data, names.index, names.journal}) {
            if (!storage::CheckNotInUse(name)) {
                return target.base + Text(" används av ett annat program.");
            }
        }
        if (JournalPending(names)) {
            std::string reason = CheckJournal(target, names);
            if (!reason.empty()) {
                return reason;
            }
        }
        DataFileRecords records;
        if (!records.Open(names.data, target.format.recordLength)) {
            return target.base + Text(" kan ej läsas: ") + msgtext(FileFailureNumber());
        }
        // A header marked as modified cannot be trusted; its records are
        // counted from the file's size.
        const std::int32_t slots = records.Modified() ? records.Slots() : records.HeaderSlots();
        if (slots > target.maxSlots) {
            return target.base + " har " + std::to_string(slots) + Text(" poster, högst ") +
                   std::to_string(target.maxSlots) + Text(" kan indexbyggas.");
        }
        if (target.maxLive != kNoLimit) {
            std::string reason = CheckLiveRecords(target, records);
            if (!reason.empty()) {
                return reason;
            }
        }
        largestNeed_ = std::max(largestNeed_, SizeOf(names.data) + 2 * SizeOf(names.index));
        return {};
    }

    static std::string CheckLiveRecords(const RebuildTarget& target, DataFileRecords& records) {
        std::vector<std::uint8_t> record(static_cast<std::size_t>(target.format.recordLength));
        std::int32_t live = 0;
        for (std::int32_t rc = 1; rc <= records.Slots(); ++rc) {
            if (!records.Read(rc, record.data())) {
                return target.base + Text(" kan ej läsas: ") + msgtext(FileFailureNumber());
            }
            live += records.IsLiveAt(rc, record.data()) ? 1 : 0;
        }
        if (live > target.maxLive) {
            return target.base + " har " + std::to_string(live) + Text(" poster, högst ") +
                   std::to_string(target.maxLive) + Text(" kan indexbyggas.");
        }
        return {};
    }

    std::string CheckCompetition() {
        int n = competition_;
        bool notFound = true;
        bool ok = false;
        if (!FindCompetition(1, {}, n, notFound, ok)) {
            return Text("tävling ") + CompetitionNumberText(competition_) + Text(" finns ej.");
        }
        const std::string clubTable = ClubTableFileName(competition_);
        if (SizeOf(clubTable) != sizeof(CmpClubRec) || !ReadClubTable()) {
            return "\"" + ClubTableFileText(competition_) + Text("\" saknas eller kan ej läsas.");
        }
        return {};
    }

    static std::string DataFolder() {
        const std::string folder =
            Utf8FromWindows1252(WorkingGlobalSettings().dataDirectory.view());
        return folder.empty() ? "." : folder;
    }

    std::string CheckSpace() const {
        const std::string folder = DataFolder();
        struct statvfs space {};
        if (::statvfs(folder.c_str(), &space) != 0) {
            return {};
        }
        const std::uintmax_t available = static_cast<std::uintmax_t>(space.f_bavail) *
                                         static_cast<std::uintmax_t>(space.f_frsize);
        if (available < largestNeed_ + kSpareBytes) {
            return Refuse(Text("för lite ledigt utrymme på disken (") +
                          std::to_string((largestNeed_ + kSpareBytes) / 1024) +
                          Text(" kB behövs)."));
        }
        return {};
    }

    int competition_;
    bool discardJournal_;
    std::vector<std::string>& unplayable_;
    std::uintmax_t largestNeed_ = 0;
};

}  // namespace

RebuildPreconditions CheckRebuildPreconditions(int competition, bool discardJournal) {
    RebuildPreconditions result;
    result.refusal =
        PreconditionCheck(competition, discardJournal, result.unplayableJournals).Run();
    return result;
}

}  // namespace oltoma::ol
