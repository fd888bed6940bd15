#include "ol/data/maintenance/index_rebuild.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/settings/settings_state.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/file_copy.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "ol/data/maintenance/rebuild/journal_discard.h"
#include "ol/data/maintenance/rebuild/rebuild_checks.h"
#include "ol/data/maintenance/rebuild/rebuild_participants.h"
#include "ol/data/maintenance/rebuild/rebuild_plan.h"
#include "ol/data/maintenance/rebuild/rebuild_registers.h"
#include "ol/data/maintenance/rebuild/rebuild_temp.h"

namespace oltoma::ol {
namespace {

constexpr int kNoDataBaseCode = 39;
constexpr int kNoCompetitionMessage = 522;
constexpr int kProgressLines = 4;  // two status lines
constexpr std::string_view kProgressCaption = "indexbygger";

void RebuildCommonRegisters(RebuildState& state, const RebuildTexts& texts) {
    state.allRebuilt = state.allRebuilt && RebuildClubs(state, texts);
    state.allRebuilt = state.allRebuilt && RebuildDistricts(state, texts);
    state.allRebuilt = state.allRebuilt && RebuildRouteFiles(state, texts);
}

// The competition register goes into the staging folder as well: the
// participants' counters are stored in its record.
bool StageCompetitionRegister(const RebuildState& state) {
    const std::string name = std::string(kCompetitionRegisterBase) + ".DAT";
    const CopyResult copied =
        CopyWholeFile(state.liveFolder + name, DataFileName(name), CopyProgress{});
    if (copied.outcome != CopyOutcome::copied) {
        ShowStatusLine(Windows1252FromUtf8("Indexbygget kan ej kopiera ") + name + ": " +
                       msgtext(copied.ioResult));
        return false;
    }
    return true;
}

void RebuildCompetitionFiles(RebuildState& state, const RebuildTexts& texts) {
    state.allRebuilt = state.allRebuilt && StageCompetitionRegister(state);
    state.allRebuilt = state.allRebuilt && RebuildClasses(state, texts);
    state.allRebuilt = state.allRebuilt && RebuildParticipants(state, texts);
    // The competition record with the participants' counters was rewritten
    // in place, unsynced.
    state.allRebuilt = state.allRebuilt && FlushFileBlockFiles(kCompetitionRegisterBase);
    state.allRebuilt = state.allRebuilt && RebuildControls(state, texts);
    state.allRebuilt = state.allRebuilt && RebuildCourses(state, texts);
    Ol().CurrentCompetition = state.competition;
    state.allRebuilt = state.allRebuilt && WriteClubTable();
}

// Makes the staging folder the working data directory while it lives.
class StagingAsDataDirectory {
public:
    StagingAsDataDirectory() : live_(WorkingGlobalSettings().dataDirectory.view()) {
        WorkingGlobalSettings().dataDirectory = DataFileText(kRebuildStagingFolder);
    }
    ~StagingAsDataDirectory() { WorkingGlobalSettings().dataDirectory = live_; }
    StagingAsDataDirectory(const StagingAsDataDirectory&) = delete;
    StagingAsDataDirectory& operator=(const StagingAsDataDirectory&) = delete;

private:
    std::string live_;
};

// The staged files that replace live ones: data and index files and the
// club table; journals and temporary files stay behind.
std::vector<std::string> StagedFiles() {
    std::vector<std::string> files;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(RebuildStagingFolder(), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::string upper = UpperString(name);
        if (upper.ends_with(".DAT") || upper.ends_with(".IX")) {
            files.push_back(name);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Opens the common files and the competition again; the status line of the
// rebuild stays in MessageLine.
void Reopen(int competition) {
    const std::string line = MessageLine.str();
    OpenCommonFiles();
    if (competition != 0) {
        SelectCompetition(true, competition);
    }
    SetMessageLine(line);
}

MaintenanceResult Finish(int competition, MaintenanceResult result) {
    Reopen(competition);
    CloseProgress();
    return result;
}

// Builds every new file in the staging folder; false when any failed.
bool BuildAside(RebuildState& state, const RebuildTexts& texts) {
    if (!MakeRebuildStagingFolder()) {
        ShowStatusLine(StorageFailureText(kRebuildStagingFolder));
        return false;
    }
    StagingAsDataDirectory staging;
    RebuildCommonRegisters(state, texts);
    if (state.competition != 0) {
        RebuildCompetitionFiles(state, texts);
    }
    return state.allRebuilt;
}

// Puts the staged files in place (rebuild_plan.h).
bool Switch(const RebuildState& state) {
    RebuildPlan plan;
    plan.folder = RebuildPlanFolder();
    plan.competition = state.competition;
    plan.files = StagedFiles();
    if (!WriteRebuildPlan(plan)) {
        const std::string failure = StorageFailureText(kRebuildPlanFile);
        std::string ignored;
        RecoverInterruptedRebuild(ignored);
        ShowInformation(Windows1252FromUtf8("Indexbygget misslyckades: ") + failure);
        return false;
    }
    if (!CarryOutRebuildPlan(plan)) {
        ShowInformation(Windows1252FromUtf8("Indexbygget kunde inte slutföras nu (") +
                        StorageFailureText(kRebuildPlanFile) +
                        Windows1252FromUtf8(
                            "); det slutförs när programmet startar eller indexbygget körs igen."));
        return false;
    }
    return true;
}

// Moves each unplayable journal aside (only met with discardJournal); false
// (reported) when one cannot be.
bool DiscardJournals(const std::vector<std::string>& journals) {
    for (const std::string& journal : journals) {
        const std::string name =
            Windows1252FromUtf8(std::filesystem::path(journal).filename().string());
        const std::string moved = DiscardJournal(journal);
        if (moved.empty()) {
            ShowInformation(Windows1252FromUtf8("Kan ej indexbygga: journalen ") + name +
                            Windows1252FromUtf8(" kan ej flyttas undan: ") +
                            StorageFailureText(name));
            return false;
        }
        ShowStatusLine(name + Windows1252FromUtf8(" kunde inte spelas upp och är flyttad till ") +
                       Windows1252FromUtf8(std::filesystem::path(moved).filename().string()) +
                       Windows1252FromUtf8("; den avbrutna ändringen är förlorad, registret byggs "
                                           "om från datafilen."));
    }
    return true;
}

}  // namespace

std::string RecoverIndexRebuildAtStart() {
    std::string message;
    RecoverInterruptedRebuild(message);
    return message;
}

MaintenanceResult RebuildIndexes() {
    const OlState& ol = Ol();
    if (!ol.CommonFilesOpen) {
        ConfirmMessage(kNoDataBaseCode);
        ShowStatusLine(MessageLine.view());
        return MaintenanceResult::failed;
    }
    return RebuildFileSet(ol.ParticipantFilesOpen ? ol.CurrentCompetition : 0);
}

MaintenanceResult RebuildFileSet(int competition) {
    RebuildRepairs repairs;
    return RebuildFileSet(competition, repairs);
}

MaintenanceResult RebuildFileSet(int competition, RebuildRepairs& repairs) {
    const RebuildTexts texts = LoadRebuildTexts();
    OpenProgress(CurrentMessageOwner(), kProgressLines, kProgressCaption, false);
    CloseParticipantFiles();
    CloseCommonFiles();

    std::string recovery;
    if (RecoverInterruptedRebuild(recovery) == RebuildRecovery::refused) {
        ShowInformation(recovery);
        return Finish(competition, MaintenanceResult::failed);
    }
    if (!recovery.empty()) {
        ShowStatusLine(recovery);
    }
    const RebuildPreconditions checked =
        CheckRebuildPreconditions(competition, repairs.discardJournal);
    for (const std::string& journal : checked.unplayableJournals) {
        repairs.unplayableJournals.push_back(std::filesystem::path(journal).filename().string());
    }
    if (!checked.refusal.empty()) {
        ShowInformation(checked.refusal);
        return Finish(competition, MaintenanceResult::failed);
    }
    if (!DiscardJournals(checked.unplayableJournals)) {
        return Finish(competition, MaintenanceResult::failed);
    }
    RebuildState state;
    state.competition = competition;
    state.liveFolder = DataFileName("");
    state.liveFolderText = DataFileText("");
    if (!BuildAside(state, texts)) {
        const std::string line = MessageLine.str();
        RemoveRebuildStaging();
        ShowInformation(Windows1252FromUtf8("Indexbygget misslyckades; registren är oförändrade."));
        SetMessageLine(line);
        return Finish(competition, MaintenanceResult::failed);
    }
    if (!Switch(state)) {
        return Finish(competition, MaintenanceResult::failed);
    }
    if (competition == 0) {
        ShowStatusLine(msgtext(kNoCompetitionMessage));
    }
    return Finish(competition, MaintenanceResult::done);
}

}  // namespace oltoma::ol
