#include "ol/data/maintenance/index_rebuild.h"

#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "ol/data/maintenance/rebuild/rebuild_checks.h"
#include "ol/data/maintenance/rebuild/rebuild_participants.h"
#include "ol/data/maintenance/rebuild/rebuild_registers.h"

namespace oltoma::ol {
namespace {

constexpr int kNoDataBaseCode = 39;
constexpr int kNoCompetitionMessage = 522;
constexpr int kProgressLines = 4;  // two status lines
constexpr std::string_view kProgressCaption = "indexbygger";

void RebuildCommonRegisters(RebuildState& state, const RebuildTexts& texts) {
    state.allRebuilt = RebuildClubs(state, texts) && state.allRebuilt;
    state.allRebuilt = RebuildDistricts(texts) && state.allRebuilt;
    state.allRebuilt = RebuildRouteFiles(texts) && state.allRebuilt;
}

void RebuildCompetitionFiles(RebuildState& state, const RebuildTexts& texts) {
    state.allRebuilt = RebuildClasses(state, texts) && state.allRebuilt;
    state.allRebuilt = RebuildParticipants(state, texts) && state.allRebuilt;
    state.allRebuilt = RebuildControls(state, texts) && state.allRebuilt;
    state.allRebuilt = RebuildCourses(state, texts) && state.allRebuilt;
    Ol().CurrentCompetition = state.competition;
    state.allRebuilt = WriteClubTable() && state.allRebuilt;
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

}  // namespace

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
    const RebuildTexts texts = LoadRebuildTexts();
    OpenProgress(CurrentMessageOwner(), kProgressLines, kProgressCaption, false);
    CloseParticipantFiles();
    CloseCommonFiles();

    const std::string refusal = CheckRebuildPreconditions(competition);
    if (!refusal.empty()) {
        ShowInformation(refusal);
        Reopen(competition);
        CloseProgress();
        return MaintenanceResult::failed;
    }
    RebuildState state;
    state.competition = competition;
    RebuildCommonRegisters(state, texts);
    if (competition != 0) {
        RebuildCompetitionFiles(state, texts);
    } else {
        ShowStatusLine(msgtext(kNoCompetitionMessage));
    }
    Reopen(competition);
    CloseProgress();
    return state.allRebuilt ? MaintenanceResult::done : MaintenanceResult::failed;
}

}  // namespace oltoma::ol
