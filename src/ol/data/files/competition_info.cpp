#include "ol/data/files/competition_info.h"

#include <string>

#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"

namespace oltoma::ol {
namespace {

constexpr int kStatusLineCode = 1;

void StoreGiroTexts(const CompetitionGiroTexts& giro) {
    CmpClubRec& table = Ol().clubTable;
    table.Text1 = giro.plusgiro;
    table.Text2 = giro.bankgiro;
    table.Arr = giro.recipient;
}

}  // namespace

bool MayAddCompetition() {
    RefreshCompetitionCounts();
    return Ol().CompetitionsUsed < kMaxCompetitions;
}

bool BeginCompetitionInfo(bool add) {
    OlState& ol = Ol();
    if (!ol.CommonFilesOpen) {
        ol.CurrentCompetition = 0;
        return false;
    }
    if (!add && ol.CurrentCompetition == 0) {
        // Nothing to change: whatever the dialog took in would be dropped.
        SetMessageLine(Windows1252FromUtf8("<tävling ej vald/inmatad>"));
        ConfirmMessage(kStatusLineCode);
        ShortBeep();
        return false;
    }
    if (add && !MayAddCompetition()) {
        SetMessageLine(Windows1252FromUtf8("Max antal tävlingar uppnått kan ej addera flera!"));
        ConfirmMessage(kStatusLineCode);
        return false;
    }
    if (add) {
        // The open competition is written back while the buffer still holds
        // it; then no competition is current until the new one is stored,
        // so nothing writes the new defaults over it. The dialog shows the
        // club table's giro texts, so the table is cleared too: a new
        // competition must not start with another one's accounts (Cancel
        // reads the remembered competition's table back).
        CloseParticipantFiles();
        ClearCompetitionRecord();
        ClearClubTable();
    }
    return true;
}

bool CommitCompetitionInfo(bool adding, const CompetitionGiroTexts& giro) {
    OlState& ol = Ol();
    int n = adding ? 0 : ol.CurrentCompetition;
    if (n == 0 && !adding) {
        return true;  // no competition is chosen: there is nothing to rewrite
    }
    if (!SaveCompetition(adding, n)) {
        return false;
    }
    if (adding) {
        if (!CreateCompetitionFiles()) {
            const std::string failure = MessageLine.str();
            DeleteCompetition(n, false);
            SetMessageLine(failure);
            return false;
        }
    } else if (!ol.ParticipantFilesOpen) {
        OpenParticipantFiles();
    }
    if (ol.ParticipantFilesOpen) {
        StoreGiroTexts(giro);
    }
    return true;
}

void CancelCompetitionInfo(const InfoRec& saved) {
    Ol().competition.rec = saved;
    if (!Ol().ParticipantFilesOpen) {
        ReopenCompetition();
    }
}

}  // namespace oltoma::ol
