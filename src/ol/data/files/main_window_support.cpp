#include "ol/data/files/main_window_support.h"

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/record_numbers.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr std::size_t kMaxCompetitionStatusLength = 81;

bool NoLiveRecord(storage::FileBlock* file) {
    if (file == nullptr) {
        return true;
    }
    const std::int32_t used = storage::UsedRecs(file);
    return !storage::IsamSucceeded() || used < 1;
}

storage::FileBlock* RouteFileInUse() {
    const OlState& ol = Ol();
    return ol.route24File != nullptr ? ol.route24File : ol.routeFile;
}

// Makes competition c current again by its number and opens its files.
void Reselect(int c) {
    bool notFound = true;
    bool ok = false;
    FindCompetition(1, {}, c, notFound, ok);
    Ol().CurrentCompetition = c;
    OpenParticipantFiles();
}

}  // namespace

void ChooseCompetition(int n) {
    CloseParticipantFiles();
    WorkingGlobalSettings().currentNumber = n;
    ReopenCompetition();
}

void RemoveCompetition(int n) {
    OlState& ol = Ol();
    if (IsRecordNumberInFile(n, ol.CompetitionSlots)) {
        const int c = ol.CurrentCompetition;
        CloseParticipantFiles();
        const bool deleted = DeleteCompetition(n, true);
        // Declining the question keeps the current competition, even when it
        // was the one offered for deletion.
        if (c != 0 && (c != n || !deleted)) {
            Reselect(c);
        } else {
            ol.CurrentCompetition = 0;
        }
    }
    WorkingGlobalSettings().currentNumber = ol.CurrentCompetition;
}

FileSetConditions ReadFileSetConditions() {
    OlState& ol = Ol();
    FileSetConditions conditions;
    conditions.commonFilesOpen = ol.CommonFilesOpen;
    conditions.noClubs = !ol.CommonFilesOpen || NoLiveRecord(ol.clubFile);
    conditions.noRoutes = !ol.CommonFilesOpen || NoLiveRecord(RouteFileInUse());
    conditions.participantFilesOpen = ol.ParticipantFilesOpen;
    conditions.noParticipants = !ol.ParticipantFilesOpen || NoLiveRecord(ol.participantFile);
    CloseParticipantFiles();
    OpenDefinitionFiles();
    conditions.definitionFilesOpen = ol.DefinitionFilesOpen;
    conditions.noCourses = !ol.DefinitionFilesOpen || NoLiveRecord(ol.courseFile);
    conditions.noControls = !ol.DefinitionFilesOpen || NoLiveRecord(ol.controlFile);
    CloseDefinitionFiles();
    OpenParticipantFiles();
    return conditions;
}

std::string DataStatusText() {
    const OlState& ol = Ol();
    if (ol.ParticipantFilesOpen) {
        std::string text = ol.competition.rec.Tvl.str() + " " + ol.competition.rec.Arr.str();
        text = text.substr(0, kMaxCompetitionStatusLength);
        if (NoLiveRecord(ol.participantFile)) {
            text += Windows1252FromUtf8(" <inga tävlande inmatade>");
        }
        return text;
    }
    return Windows1252FromUtf8(ol.CommonFilesOpen ? "<tävling ej vald/inmatad>"
                                                  : "<datafiler saknas>");
}

}  // namespace oltoma::ol
