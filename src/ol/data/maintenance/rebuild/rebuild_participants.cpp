#include "ol/data/maintenance/rebuild/rebuild_participants.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "ol/data/maintenance/rebuild/rebuild_temp.h"
#include "ol/data/records/club_counters.h"
#include "ol/data/records/record_keys.h"
#include "ol/data/records/result_codes.h"
#include "storage/access_layer.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

constexpr int kNumberMessage = 523;
constexpr int kWrongClubMessage = 524;

// Records are packed: their integers are cleared bytewise.
void ClearGroups(CountType& counts, int days) {
    std::memset(counts.cell, 0, sizeof(std::int16_t) * (days + 1) * kPositionCount);
}

struct CachedClass {
    KlassRec rec{};
    bool live = false;
};

// The counters the participants give: the competition's, the classes' and
// the club table's, each started from what it held before the rebuild.
class ParticipantCounting {
public:
    explicit ParticipantCounting(RebuildState& state)
        : state_(state),
          base_(CompetitionBaseName(kParticipantFileBase, state.competition)),
          classBase_(CompetitionBaseName(kClassFileBase, state.competition)),
          originalInfo_(Ol().competition.rec),
          originalTable_(std::make_unique<CmpClubRec>(Ol().clubTable)) {}

    const std::string& Base() const { return base_; }

    // Reads the live classes; false (reported) when the class file cannot
    // be opened or read.
    bool LoadClasses() {
        if (!OpenDataFile(classFile_, classBase_)) {
            ShowStatusLine(MessageLine.view());
            return false;
        }
        const std::int32_t slots = storage::FileLen(classFile_);
        originalClasses_.assign(static_cast<std::size_t>(std::max(slots, 1)), CachedClass{});
        for (std::int32_t rc = 1; rc < slots; ++rc) {
            CachedClass& cached = originalClasses_[static_cast<std::size_t>(rc)];
            storage::GetRec(classFile_, rc, &cached.rec);
            if (!storage::IsamSucceeded()) {
                ShowStatusLine(StorageFailureText(classBase_));
                originalClasses_.clear();
                return false;
            }
            cached.live = cached.rec.DataStatus == 0;
        }
        return true;
    }

    // Starts counting from the state before the rebuild.
    void Start() {
        classes_ = originalClasses_;
        for (CachedClass& cached : classes_) {
            ClearGroups(cached.rec.Count, ClampedDayCount(cached.rec.StrNr));
        }
        InfoRec& info = Ol().competition.rec;
        info = originalInfo_;
        const int days = ClampedDayCount(info.StrNr);
        ClearGroups(info.Count, days);
        std::memset(info.StTidCount, 0, sizeof(std::int32_t) * days);
        StartClubTable();
    }

    // Maps the participant's club and class to their new numbers.
    void MapReferences(DeltRec& participant) {
        std::int32_t club = state_.clubs.Map(participant.ClubRc);
        if (club == 0) {
            ShowStatusLine(msgtext(kNumberMessage) + "\"" + participant.NrStr.str() + "\" " +
                           participant.Namn[0].str() + msgtext(kWrongClubMessage));
            club = state_.replacementClub;
        }
        participant.ClubRc = club;
        participant.KlassRc = state_.classes.Map(participant.KlassRc);
    }

    void Count(const DeltRec& participant) {
        CmpClubRec& table = Ol().clubTable;
        CachedClass* klass = ClassOf(participant.KlassRc);
        const std::string_view designation = klass != nullptr ? klass->rec.Bet.view() : "";
        if (CountClubEntry(table, participant, designation, 1)) {
            const std::int16_t entries = EntryCountOf(table, participant.ClubRc);
            if (entries == 0) {
                SetEntryCount(table, 0, static_cast<std::int16_t>(EntryCountOf(table, 0) + 1));
            }
            SetEntryCount(table, participant.ClubRc, static_cast<std::int16_t>(entries + 1));
        }
        if (klass != nullptr) {
            CountInClass(participant, klass->rec, Ol().competition.rec);
        }
    }

    // Writes the classes and the competition record back; false (reported)
    // on a failure.
    bool Finish() {
        bool written = true;
        for (std::size_t rc = 1; rc < classes_.size() && classFile_ != nullptr; ++rc) {
            if (classes_[rc].live) {
                storage::PutRec(classFile_, static_cast<std::int32_t>(rc), &classes_[rc].rec);
                if (!storage::IsamSucceeded()) {
                    ShowStatusLine(StorageFailureText(classBase_));
                    written = false;
                    break;
                }
            }
        }
        if (classFile_ != nullptr) {
            CloseDataFile(classFile_, classBase_);
            written = FlushFileBlockFiles(classBase_) && written;
        }
        return StoreCompetition(state_.competition) && written;
    }

private:
    void StartClubTable() {
        CmpClubRec& table = Ol().clubTable;
        table = *originalTable_;
        std::memset(table.ClubEntryCount, 0, sizeof table.ClubEntryCount);
        {
            // Each club's entry (its amounts) goes where the club went.
            for (std::int32_t club = 1; club <= kClubTableClubs; ++club) {
                std::memset(&table.Clubs[club], 0, sizeof(ClubEntry));
            }
            for (std::int32_t club = 1; club <= kClubTableClubs; ++club) {
                const std::int32_t moved = state_.clubs.Map(club);
                if (moved > 0 && moved <= kClubTableClubs) {
                    table.Clubs[moved] = originalTable_->Clubs[club];
                }
            }
        }
        for (ClubEntry& entry : table.Clubs) {
            std::memset(entry.EntryCounters, 0, sizeof entry.EntryCounters);
        }
    }

    CachedClass* ClassOf(std::int32_t rc) {
        if (rc <= 0 || rc >= static_cast<std::int32_t>(classes_.size())) {
            return nullptr;
        }
        CachedClass& cached = classes_[static_cast<std::size_t>(rc)];
        return cached.live ? &cached : nullptr;
    }

    static void CountInClass(const DeltRec& participant, KlassRec& klass, InfoRec& info) {
        const int days = ClampedDayCount(klass.StrNr);
        for (int position = 0; position < kPositionCount; ++position) {
            AddToCount(klass.Count, 0, position, 1);
            AddToCount(info.Count, 0, position, 1);
            for (int day = 1; day <= days; ++day) {
                if (participant.Tider[day][position] == kEjStartTime) {
                    AddToCount(klass.Count, day, position, 1);
                    AddToCount(info.Count, day, position, 1);
                }
                const std::int32_t start = klass.FrstStTid[day - 1] + participant.StTid[day - 1];
                if (start > info.StTidCount[day - 1]) {
                    info.StTidCount[day - 1] = start;
                }
            }
        }
    }

    RebuildState& state_;
    std::string base_;
    std::string classBase_;
    InfoRec originalInfo_;
    std::unique_ptr<CmpClubRec> originalTable_;
    std::vector<CachedClass> originalClasses_;
    std::vector<CachedClass> classes_;
    storage::FileBlock* classFile_ = nullptr;
};

// Adds one participant to the new file; its new number, 0 (reported) on
// failure.
std::int32_t AddParticipant(ParticipantCounting& counting, std::uint8_t* bytes, std::string& name) {
    storage::FileBlock* file = Ol().participantFile;
    DeltRec participant;
    std::memcpy(&participant, bytes, sizeof participant);
    // The new file has no free slots: the record goes to the next one.
    const std::int32_t next = storage::FileLen(file);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(counting.Base());
        return 0;
    }
    counting.MapReferences(participant);
    participant.Rc = static_cast<std::int16_t>(next);
    participant.NrStr = IntZeroPadded(participant.Nr, 4);
    const std::int32_t added = storage::AddRec(file, &participant);
    if (!storage::IsamSucceeded() || added != next) {
        ReportStorageFailure(counting.Base());
        return 0;
    }
    storage::AddKey(file, 1, added, ParticipantKey(participant.NrStr));
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(counting.Base());
        return 0;
    }
    counting.Count(participant);
    name = participant.NrStr.str();
    return added;
}

}  // namespace

bool RebuildParticipants(RebuildState& state, const RebuildTexts& texts) {
    ParticipantCounting counting(state);
    if (!counting.LoadClasses()) {
        return false;
    }
    counting.Start();

    RegisterRebuild job;
    job.base = counting.Base();
    job.displayName = job.base + ".Dat";
    job.liveData = storage::NamesOfFileBlock(state.liveFolder + job.base).data;
    job.liveText = state.liveFolderText + job.base;
    job.format = &ParticipantFileFormat();
    job.handle = &Ol().participantFile;
    job.add = [&counting](std::uint8_t* record, std::string& name) {
        return AddParticipant(counting, record, name);
    };
    job.visit = [](std::int32_t, std::int32_t, const std::uint8_t*) {};
    const bool rebuilt = RebuildRegister(job, texts);
    return counting.Finish() && rebuilt;
}

}  // namespace oltoma::ol
