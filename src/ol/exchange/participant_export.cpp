#include "ol/exchange/participant_export.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/files/exchange_file.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "base/time/clock_text.h"
#include "base/time/duration_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/class_designation.h"
#include "ol/exchange/club_display_name.h"
#include "ol/exchange/iof/iof_exports.h"
#include "ol/reports/result_text.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr int kProgressLines = 6;
constexpr int kDateAndTime = 21;
constexpr int kStartTimeForm = 4;
constexpr int kResultForm = 4;
constexpr int kInformationCode = 201;

enum class Pass { all, ordinary, late };

bool IsDirectClass(const KlassRec& klass) {
    return ClassFilterMatches(Ol().competition.rec.dirklassfilter, klass.Bet);
}

// A stored name as the export writes it; control characters in it read as
// blanks first, so they separate words as blanks do.
std::string Name(std::string_view name) {
    std::string text(name);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    return ClubDisplayName(text, IsSet(Ol().competition.rec.gemen.value));
}

std::string ParticipantLine(bool openClasses) {
    const OlState& ol = Ol();
    const DeltRec& p = ol.participant.rec;
    const KlassRec& klass = ol.klass.rec;
    const int stages = ClampedDayCount(klass.StrNr);
    const int timedStages = openClasses ? 1 : stages;
    const bool direct = IsDirectClass(klass);
    std::string line = Name(ol.club.rec.Namn) + "," + klass.Bet.str();
    if (IsSet(ol.competition.rec.Days) || direct) {
        line += "," + Name(p.Namn[0]);
        if (!openClasses) {
            for (int l = 0; l < stages; ++l) {
                line += ",#" + p.DagKod[l].str();
            }
        }
        line += ",!" + p.Info.str() + "," + p.Bricka.str();
    } else {
        line += "," + p.Bricka.str();
        for (int l = 0; l < stages; ++l) {
            line += "," + Name(p.Namn[l]);
        }
    }
    for (int l = 0; l < timedStages; ++l) {
        line += ",";
        if (!(direct && !openClasses) && (p.StTid[l] != 0 || openClasses)) {
            line += FormatDuration(kStartTimeForm,
                                   static_cast<long long>(klass.FrstStTid[l]) + p.StTid[l]);
        }
    }
    for (int l = 1; l <= timedStages; ++l) {
        const std::int32_t result = StageResult(p, l);
        line += "," + (result != 0 ? ResultText(klass, kResultForm, result, l) : std::string());
    }
    line += "," + IntZeroPadded(p.Nr, 4);
    if (!openClasses) {
        if (p.Extra != 0) {
            line += ",#" + IntZeroPadded(p.Extra, 4);
        }
        for (int l = 0; l < stages; ++l) {
            line += "," + p.DagBana[l].str();
        }
    }
    return line;
}

bool Takes(Pass pass, bool openClasses) {
    const OlState& ol = Ol();
    const bool late = IsSet(ol.participant.rec.Oppen);
    if ((pass == Pass::ordinary && late) || (pass == Pass::late && !late)) {
        return false;
    }
    return !openClasses ||
           (IsDirectClass(ol.klass.rec) && std::abs(ol.participant.rec.Plac[0][0]) == 1);
}

struct PassResult {
    bool written = true;
    bool aborted = false;
    int late = 0;  // participants with Oppen met
};

PassResult WritePass(Pass pass, bool openClasses) {
    OlState& ol = Ol();
    PassResult result;
    result.written = WriteExportLine(openClasses ? "*DirektNamn" : "*Namn");
    storage::FileBlock* file = ol.ParticipantFilesOpen ? ol.participantFile : nullptr;
    const std::int32_t fileLen = file != nullptr ? storage::FileLen(file) : 0;
    const std::int32_t total = file != nullptr ? storage::UsedRecs(file) : 0;
    for (std::int32_t rc = 1; rc < fileLen && result.written && !result.aborted; ++rc) {
        std::int32_t found = rc;
        bool notFound = true;
        bool ok = false;
        if (!FindParticipant(FindMode::kByNumber, {}, found, notFound, ok)) {
            continue;
        }
        // A participant whose class is gone has none, not the one before's.
        if (ol.klass.rc != ol.participant.rec.KlassRc) {
            ClearClass();
        }
        if (pass != Pass::late && IsSet(ol.participant.rec.Oppen)) {
            ++result.late;
        }
        if (Takes(pass, openClasses)) {
            result.written = WriteExportLine(ParticipantLine(openClasses));
            CountExport(
                "StartNr:" + ol.participant.rec.NrStr.str() + " Klass: " + ol.klass.rec.Bet.str(),
                result.written ? 1 : 0, total);
        }
        ProgressLine(5, "Antal efteranm." + IntSpacePadded(result.late, 4));
        result.aborted = ProgressAborted();
    }
    return result;
}

bool WriteDrawState() {
    const InfoRec& c = Ol().competition.rec;
    const std::pair<bool, const char*> draws[] = {
        {IsSet(c.cLottad), "*MotionsLottad"}, {IsSet(c.gLottad), "*GruppLottad"},
        {IsSet(c.sLottad), "*SkidLottad"},    {IsSet(c.Lottad), "*KlubbLottad"},
        {IsSet(c.Jaktad), "*JaktLottad"},
    };
    for (const auto& [set, header] : draws) {
        if (set && !WriteExportLine(header)) {
            return false;
        }
    }
    return WriteExportLine("*Maxdag=" + IntZeroPadded(c.maxDag, 2));
}

bool WriteHeading(bool openClasses) {
    const OlState& ol = Ol();
    RefreshClock();
    if (ol.ParticipantFilesOpen &&
        !WriteExportLine(";" + ol.competition.rec.Tvl.str() + " " + ClockPart(kDateAndTime))) {
        return false;
    }
    if (openClasses &&
        !WriteExportLine(Windows1252FromUtf8("; Öppna och direktklasser, endast direktmodulen"))) {
        return false;
    }
    return WriteExportLine("; brumlekvarn, ansgar prill");
}

// The IOF entry list holds persons; the teams of a relay are not written.
ExportResult RefuseRelayEntryList() {
    SetMessageLine(
        Windows1252FromUtf8("Stafettlag kan inte exporteras som IOF XML (endast individuella)."));
    ConfirmMessage(kInformationCode);
    return ExportResult::refused;
}

}  // namespace

ExportResult ExportParticipants(platform::WindowHandle owner, bool openClasses) {
    InfoRec& competition = Ol().competition.rec;
    if (openClasses) {
        competition.MellanTid = 0;
        if (competition.StrNr <= 1) {
            competition.DagStr = 1;
        }
    }
    const ExportFormat format = AskExportFile(
        owner, openClasses ? ExportFormats::exchange : ExportFormats::exchangeOrIofXml);
    if (format == ExportFormat::iofXml && IsSet(competition.Relay)) {
        return RefuseRelayEntryList();
    }
    if (!CreateExportFile(owner, kProgressLines, format)) {
        return ExportResult::notOpened;
    }
    if (format == ExportFormat::iofXml) {
        bool aborted = false;
        iof::WriteEntryList(aborted);
        return CloseExportFile(aborted);
    }
    if (!WriteHeading(openClasses)) {
        return CloseExportFile(false);
    }
    const bool drawn = IsSet(competition.gLottad) || IsSet(competition.cLottad) ||
                       IsSet(competition.sLottad) || IsSet(competition.Lottad) ||
                       IsSet(competition.Jaktad);
    ProgressLine(4, drawn ? "Exporterar ordinarie anm." : "Exporterar alla anm. innan lottning.");
    const PassResult first = WritePass(drawn ? Pass::ordinary : Pass::all, openClasses);
    if (!first.written || first.aborted) {
        return CloseExportFile(first.aborted);
    }
    if (!openClasses && !WriteDrawState()) {
        return CloseExportFile(false);
    }
    if (drawn && first.late > 0) {
        ProgressLine(4, "Exporterar efteranm.");
        const PassResult late = WritePass(Pass::late, openClasses);
        return CloseExportFile(late.aborted);
    }
    return CloseExportFile(false);
}

}  // namespace oltoma::ol
