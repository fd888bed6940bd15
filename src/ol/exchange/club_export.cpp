#include "ol/exchange/club_export.h"

#include <string>

#include "base/files/exchange_file.h"
#include "base/messages/progress.h"
#include "base/text/number_format.h"
#include "base/time/clock_text.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/exchange/club_display_name.h"
#include "ol/exchange/iof/iof_exports.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr int kProgressLines = 3;
constexpr int kDateAndTime = 21;
constexpr int kDate = 19;
constexpr int kContactLinesExported = 4;

std::string ClubLine(const ClubRec& club, std::int32_t rc) {
    const OlState& ol = Ol();
    std::string line = ClubDisplayName(club.Namn, IsSet(ol.competition.rec.gemen.value)) + "," +
                       IntZeroPadded(club.Cnr, 5) + "," + club.Dnr.str() + "," +
                       StoredCharacter(club.Tecken3) + "," + StoredCharacter(club.Tecken1) + "," +
                       IntZeroPadded(club.Antal1, 2) + "," + StoredCharacter(club.Tecken2) + "," +
                       club.Kort.str() + ",";
    const ClubEntry* entry = ClubEntryOf(ol.clubTable, rc);
    if (ol.ParticipantFilesOpen && entry != nullptr) {
        line += AmountText(entry->FirstAmount) + "," + AmountText(entry->SecondAmount);
    } else {
        line += ",";
    }
    if (ol.ParticipantFilesOpen && EntryCountOf(ol.clubTable, rc) > 0) {
        line += ",#";
    }
    return line;
}

std::string ContactLine(const AdressLines& contact) {
    std::string line;
    for (int i = 0; i < kContactLinesExported; ++i) {
        line += (i > 0 ? "," : "") + contact.line[i].str();
    }
    return line;
}

bool WriteClub(const ClubRec& club, std::int32_t rc) {
    if (!WriteExportLine(ClubLine(club, rc))) {
        return false;
    }
    for (const AdressLines& contact : club.Adress) {
        if (!WriteExportLine(ContactLine(contact))) {
            return false;
        }
    }
    return true;
}

// The clubs in key order; false at a failed write, aborted at "avbryt".
bool WriteClubs(bool& aborted) {
    OlState& ol = Ol();
    const std::int32_t total = storage::UsedRecs(ol.clubFile);
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindClub(FindMode::kReset, {}, rc, notFound, ok);
    for (;;) {
        FindClub(FindMode::kNext, {}, rc, notFound, ok);
        if (!ok) {
            return true;  // past the last key
        }
        if (notFound) {
            continue;
        }
        const ClubRec club = ol.club.rec;
        const bool written = WriteClub(club, rc);
        CountExport(club.Namn.view(), written ? 1 : 0, total);
        if (!written) {
            return false;
        }
        if (ProgressAborted()) {
            aborted = true;
            return true;
        }
    }
}

}  // namespace

ExportResult ExportClubs(platform::WindowHandle owner) {
    const ExportFormat format = AskExportFile(owner, ExportFormats::exchangeOrIofXml);
    if (!CreateExportFile(owner, kProgressLines, format)) {
        return ExportResult::notOpened;
    }
    if (format == ExportFormat::iofXml) {
        bool aborted = false;
        iof::WriteOrganisationList(aborted);
        return CloseExportFile(aborted);
    }
    const OlState& ol = Ol();
    RefreshClock();
    bool written = true;
    if (ol.ParticipantFilesOpen) {
        written =
            WriteExportLine("; " + ol.competition.rec.Tvl.str() + " " + ClockPart(kDateAndTime));
    }
    written = written && WriteExportLine("; brumlekvarn, ansgar prill, " + ClockPart(kDate)) &&
              WriteExportLine("*Klubbar");
    bool aborted = false;
    if (written) {
        WriteClubs(aborted);
    }
    return CloseExportFile(aborted);
}

}  // namespace oltoma::ol
