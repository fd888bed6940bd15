#include <algorithm>
#include <string>
#include <vector>

#include "base/files/exchange_file.h"
#include "base/messages/progress.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/exchange/club_display_name.h"
#include "ol/exchange/export_file.h"
#include "ol/exchange/iof/iof_exports.h"
#include "ol/exchange/iof/iof_writer.h"
#include "storage/access_layer.h"

namespace oltoma::ol::iof {
namespace {

// A stored name in the exports' display form: control characters read as
// blanks, then ClubDisplayName.
std::string DisplayName(std::string_view stored) {
    std::string text(stored);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    return ClubDisplayName(text, IsSet(Ol().competition.rec.gemen.value));
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

void WritePersonName(IofWriter& writer, std::string_view stored) {
    std::vector<std::string> words = Words(DisplayName(stored));
    const std::string family = words.empty() ? std::string() : words.back();
    std::string given;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        given += (i > 0 ? " " : "") + words[i];
    }
    writer.Open("Person");
    writer.Open("Name");
    writer.Element("Family", family);
    writer.Element("Given", given);
    writer.Close();
    writer.Close();
}

void WritePersonEntry(IofWriter& writer) {
    const OlState& ol = Ol();
    const DeltRec& participant = ol.participant.rec;
    writer.Open("PersonEntry");
    writer.Element("Id", std::to_string(participant.Nr));
    WritePersonName(writer, participant.Namn[0].view());
    if (participant.ClubRc != 0 && ol.club.rc == participant.ClubRc) {
        writer.Open("Organisation");
        if (ol.club.rec.Cnr > 0) {
            writer.Element("Id", std::to_string(ol.club.rec.Cnr));
        }
        writer.Element("Name", DisplayName(ol.club.rec.Namn.view()));
        writer.Close();
    }
    const std::string card = participant.Bricka.str();
    if (card.find_first_not_of(' ') != std::string::npos) {
        writer.Element("ControlCard", card);
    }
    if (participant.KlassRc != 0 && ol.klass.rc == participant.KlassRc) {
        writer.Open("Class");
        writer.Element("Name", ol.klass.rec.Bet.view());
        writer.Close();
    }
    writer.Close();
}

}  // namespace

bool WriteEntryList(bool& aborted) {
    OlState& ol = Ol();
    IofWriter writer(&WriteExportBytes, "EntryList");
    const std::string name = ol.competition.rec.Tvl.str();
    writer.Open("Event");
    writer.Element("Name", name.find_first_not_of(' ') == std::string::npos ? "oltoma" : name);
    writer.Close();
    storage::FileBlock* file = ol.ParticipantFilesOpen ? ol.participantFile : nullptr;
    const std::int32_t fileLen = file != nullptr ? storage::FileLen(file) : 0;
    const std::int32_t total = file != nullptr ? storage::UsedRecs(file) : 0;
    for (std::int32_t rc = 1; rc < fileLen && !aborted; ++rc) {
        std::int32_t found = rc;
        bool notFound = true;
        bool ok = false;
        if (!FindParticipant(FindMode::kByNumber, {}, found, notFound, ok)) {
            continue;
        }
        WritePersonEntry(writer);
        CountExport("StartNr:" + ol.participant.rec.NrStr.str(), 1, total);
        aborted = ProgressAborted();
    }
    return writer.Finish();
}

}  // namespace oltoma::ol::iof
