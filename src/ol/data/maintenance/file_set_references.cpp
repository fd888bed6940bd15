#include "ol/data/maintenance/file_set_references.h"

#include <memory>
#include <utility>

#include "base/text/windows1252.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/files/file_names.h"
#include "ol/data/maintenance/read_only_file_block.h"
#include "ol/data/records/club_counters.h"
#include "ol/data/records/club_rec.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/delt_rec.h"
#include "ol/data/records/entry_counts.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/track_rec.h"
#include "storage/file_primitives.h"

namespace oltoma::ol {
namespace {

// Lines of one kind listed per file; the rest are counted in one line.
constexpr int kMostLines = 20;

template <typename Record>
using Records = std::vector<std::pair<bool, Record>>;

template <typename Record>
bool IsLive(const Records<Record>& records, std::int32_t rc) {
    return rc > 0 && static_cast<std::size_t>(rc) < records.size() &&
           records[static_cast<std::size_t>(rc)].first;
}

std::string Quoted(std::string_view text) {
    return "\"" + Utf8FromWindows1252(text) + "\"";
}

// The first cell of groups 0..days where the counts differ, as a text; empty
// when they agree.
std::string CountDifference(const CountType& stored, const CountType& counted,
                            std::int16_t storedDays) {
    const int days = ClampedDayCount(storedDays);
    for (int group = 0; group <= days; ++group) {
        for (int position = 0; position < kPositionCount; ++position) {
            const int have = CountAt(stored, group, position);
            const int want = CountAt(counted, group, position);
            if (have != want) {
                return "Count group " + std::to_string(group) + " position " +
                       std::to_string(position) + " is " + std::to_string(have) +
                       ", the participants give " + std::to_string(want);
            }
        }
    }
    return {};
}

// The club table as stored; nothing when it cannot be read whole.
std::unique_ptr<CmpClubRec> ReadStoredClubTable(const std::string& path) {
    storage::FileHandle file;
    std::int64_t size = 0;
    if (!storage::OpenFile(file, path, true, false)) {
        return nullptr;
    }
    auto table = std::make_unique<CmpClubRec>();
    const bool read = storage::FileSize(file, size) && size == sizeof(CmpClubRec) &&
                      storage::ReadAt(file, 0, sizeof(CmpClubRec), table.get());
    storage::CloseFile(file);
    return read ? std::move(table) : nullptr;
}

// Lines of one file, at most kMostLines of them listed.
class Lines {
public:
    Lines(std::string file, std::vector<std::string>& out, const char* kind = "differences")
        : file_(std::move(file)), out_(out), kind_(kind) {}
    ~Lines() {
        if (count_ > kMostLines) {
            out_.push_back(file_ + ": " + std::to_string(count_ - kMostLines) + " further " +
                           kind_ + " not listed");
        }
    }
    Lines(const Lines&) = delete;
    Lines& operator=(const Lines&) = delete;

    void Add(const std::string& text) {
        if (++count_ <= kMostLines) {
            out_.push_back(file_ + ": " + text);
        }
    }

private:
    std::string file_;
    std::vector<std::string>& out_;
    const char* kind_;
    int count_ = 0;
};

class CompetitionReferences {
public:
    CompetitionReferences(const std::string& folder, int competition,
                          std::vector<std::string>& problems, std::vector<std::string>& notices)
        : folder_(folder + "/"),
          competition_(competition),
          problems_(problems),
          notices_(notices),
          participantBase_(CompetitionBaseName(kParticipantFileBase, competition)),
          classBase_(CompetitionBaseName(kClassFileBase, competition)),
          tableName_(CompetitionBaseName(kClubTableBase, competition) + ".Dat") {}

    void Run() {
        clubs_ = ReadOnlyFileBlock(folder_ + std::string(kClubRegisterBase)).Records<ClubRec>();
        classes_ = ReadOnlyFileBlock(folder_ + classBase_).Records<KlassRec>();
        participants_ = ReadOnlyFileBlock(folder_ + participantBase_).Records<DeltRec>();
        table_ = ReadStoredClubTable(folder_ + tableName_);
        if (!participants_.empty()) {
            CheckParticipantReferences();
            if (!classes_.empty()) {
                CheckClassCounts();
            }
            if (table_ != nullptr) {
                CheckClubEntryCounts();
            }
        }
        if (table_ != nullptr) {
            CheckControlUses();
        }
    }

private:
    // Record number 0 is no club or no class: the index rebuild gives it to
    // a participant whose club (without a replacement club) or class was
    // deleted. Such participants are counted in one notice per kind; any
    // other number must name a live record.
    void CheckParticipantReferences() {
        Lines lines(participantBase_, problems_);
        int withoutClub = 0;
        int withoutClass = 0;
        for (std::size_t rc = 1; rc < participants_.size(); ++rc) {
            const auto& [live, participant] = participants_[rc];
            if (!live) {
                continue;
            }
            const std::string who = "participant " + Quoted(participant.NrStr.view()) +
                                    " (record " + std::to_string(rc) + ")";
            withoutClub += participant.ClubRc == 0 ? 1 : 0;
            withoutClass += participant.KlassRc == 0 ? 1 : 0;
            if (!clubs_.empty() && participant.ClubRc != 0 && !IsLive(clubs_, participant.ClubRc)) {
                lines.Add(who + ": club record " + std::to_string(participant.ClubRc) +
                          " is not a live club of " + std::string(kClubRegisterBase));
            }
            if (!classes_.empty() && participant.KlassRc != 0 &&
                !IsLive(classes_, participant.KlassRc)) {
                lines.Add(who + ": class record " + std::to_string(participant.KlassRc) +
                          " is not a live class of " + classBase_);
            }
        }
        if (withoutClub > 0) {
            notices_.push_back(participantBase_ + ": " + std::to_string(withoutClub) +
                               " participants without a club (club record 0)");
        }
        if (withoutClass > 0) {
            notices_.push_back(participantBase_ + ": " + std::to_string(withoutClass) +
                               " participants without a class (class record 0)");
        }
    }

    void CheckClassCounts() {
        std::vector<CountType> counted(classes_.size(), CountType{});
        CountType competitionCounted{};
        for (std::size_t rc = 1; rc < participants_.size(); ++rc) {
            const auto& [live, participant] = participants_[rc];
            if (!live || !IsLive(classes_, participant.KlassRc)) {
                continue;
            }
            const KlassRec& klass = classes_[static_cast<std::size_t>(participant.KlassRc)].second;
            CountEntryInGroups(participant, klass.StrNr,
                               counted[static_cast<std::size_t>(participant.KlassRc)]);
            CountEntryInGroups(participant, klass.StrNr, competitionCounted);
        }
        Lines lines(classBase_, problems_);
        for (std::size_t rc = 1; rc < classes_.size(); ++rc) {
            const auto& [live, klass] = classes_[rc];
            const std::string difference =
                live ? CountDifference(klass.Count, counted[rc], klass.StrNr) : std::string();
            if (!difference.empty()) {
                lines.Add("class " + Quoted(klass.Bet.view()) + " (record " + std::to_string(rc) +
                          "): " + difference);
            }
        }
        CheckCompetitionCount(competitionCounted);
    }

    void CheckCompetitionCount(const CountType& counted) {
        const auto competitions =
            ReadOnlyFileBlock(folder_ + std::string(kCompetitionRegisterBase)).Records<InfoRec>();
        if (!IsLive(competitions, competition_)) {
            return;
        }
        const InfoRec& info = competitions[static_cast<std::size_t>(competition_)].second;
        const std::string difference = CountDifference(info.Count, counted, info.StrNr);
        if (!difference.empty()) {
            problems_.push_back(std::string(kCompetitionRegisterBase) + ": competition " +
                                std::to_string(competition_) + ": " + difference);
        }
    }

    // The entry counts and, when the classes are readable, the category
    // counters of each club's entry (their designations decide the
    // category).
    void CheckClubEntryCounts() {
        auto counted = std::make_unique<CmpClubRec>();
        for (std::size_t rc = 1; rc < participants_.size(); ++rc) {
            const auto& [live, participant] = participants_[rc];
            const std::int32_t club = participant.ClubRc;
            if (!live || !CountClubEntry(*counted, participant, DesignationOf(participant), 1)) {
                continue;
            }
            if (EntryCountOf(*counted, club) == 0) {
                SetEntryCount(*counted, 0,
                              static_cast<std::int16_t>(EntryCountOf(*counted, 0) + 1));
            }
            SetEntryCount(*counted, club,
                          static_cast<std::int16_t>(EntryCountOf(*counted, club) + 1));
        }
        Lines lines(tableName_, problems_);
        for (std::int32_t club = 0; club <= kClubTableClubs; ++club) {
            const int stored = EntryCountOf(*table_, club);
            const int want = EntryCountOf(*counted, club);
            const std::string which = club == 0 ? std::string("entry 0 (all clubs)")
                                                : "club record " + std::to_string(club);
            if (stored != want) {
                lines.Add(club == 0
                              ? std::to_string(stored) +
                                    " clubs with entries, the participants give " +
                                    std::to_string(want)
                              : which + " has " + std::to_string(stored) +
                                    " entries, the participants give " + std::to_string(want));
            }
            const std::string storedCounters = CountersText(*ClubEntryOf(*table_, club));
            const std::string wantCounters = CountersText(*ClubEntryOf(*counted, club));
            if (!classes_.empty() && storedCounters != wantCounters) {
                lines.Add(which + ": entry counters " + storedCounters +
                          ", the participants give " + wantCounters);
            }
        }
    }

    // The designation of the participant's class; empty when it has none.
    std::string_view DesignationOf(const DeltRec& participant) const {
        return IsLive(classes_, participant.KlassRc)
                   ? classes_[static_cast<std::size_t>(participant.KlassRc)].second.Bet.view()
                   : std::string_view();
    }

    // The six category counters (ordinary elite, youth, other; open elite,
    // youth, other) as "e y o / e y o".
    static std::string CountersText(const ClubEntry& entry) {
        std::string text;
        for (int i = 0; i < 6; ++i) {
            text += (i == 0 ? "" : i == 3 ? " / " : " ") + std::to_string(entry.EntryCounters[i]);
        }
        return text;
    }

    void CheckControlUses() {
        const std::string controlBase = CompetitionBaseName(kControlFileBase, competition_);
        const std::string courseBase = CompetitionBaseName(kCourseFileBase, competition_);
        const ReadOnlyFileBlock controlFile(folder_ + controlBase);
        const auto courses = ReadOnlyFileBlock(folder_ + courseBase).Records<TrackRec>();
        const auto controls = controlFile.Records<KontrRec>();
        if (courses.empty() || controls.empty()) {
            return;
        }
        auto counted = std::make_unique<CmpClubRec>();
        Lines notices(courseBase, notices_, "notices");
        for (std::size_t rc = 1; rc < courses.size(); ++rc) {
            const auto& [live, course] = courses[rc];
            if (!live) {
                continue;
            }
            std::vector<std::string> notFound;
            CountControlUses(controlFile.Block(), course, *counted, 1, &notFound);
            for (const std::string& code : notFound) {
                notices.Add("course " + Quoted(course.Bana.view()) + " names control code " +
                            Quoted(code) + ", which " + controlBase + " does not hold (allowed)");
            }
        }
        // The counts lag the courses by design (a course added or changed in
        // the course register, or a control added after the courses naming
        // it, changes none; the index rebuild recounts), so a difference is
        // a notice.
        Lines lines(tableName_, notices_, "notices");
        for (std::int32_t control = 1; control <= kClubTableControls; ++control) {
            const int stored = ControlUseOf(*table_, control);
            const int want = ControlUseOf(*counted, control);
            if (stored != want) {
                const std::string code =
                    IsLive(controls, control)
                        ? " (" +
                              Quoted(
                                  controls[static_cast<std::size_t>(control)].second.KodNr.view()) +
                              ")"
                        : std::string();
                lines.Add("control record " + std::to_string(control) + code + " is used " +
                          std::to_string(stored) + " times, the courses give " +
                          std::to_string(want) + " (the index rebuild recounts)");
            }
        }
    }

    std::string folder_;
    int competition_;
    std::vector<std::string>& problems_;
    std::vector<std::string>& notices_;
    std::string participantBase_;
    std::string classBase_;
    std::string tableName_;
    Records<ClubRec> clubs_;
    Records<KlassRec> classes_;
    Records<DeltRec> participants_;
    std::unique_ptr<CmpClubRec> table_;
};

}  // namespace

void CheckCompetitionReferences(const std::string& folder, int competition,
                                std::vector<std::string>& problems,
                                std::vector<std::string>& notices) {
    CompetitionReferences(folder, competition, problems, notices).Run();
}

}  // namespace oltoma::ol
