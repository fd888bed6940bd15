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

bool IsSetText(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos;
}

void WriteOrganisation(IofWriter& writer, const ClubRec& club) {
    writer.Open("Organisation");
    writer.Attribute("type", "Club");
    if (club.Cnr > 0) {
        writer.Element("Id", std::to_string(club.Cnr));
    }
    writer.Element("Name",
                   ClubDisplayName(club.Namn.view(), IsSet(Ol().competition.rec.gemen.value)));
    if (IsSetText(club.Kort.view())) {
        writer.Element("ShortName", club.Kort.view());
    }
    writer.Close();
}

}  // namespace

bool WriteOrganisationList(bool& aborted) {
    OlState& ol = Ol();
    IofWriter writer(&WriteExportBytes, "OrganisationList");
    const std::int32_t total = storage::UsedRecs(ol.clubFile);
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindClub(FindMode::kReset, {}, rc, notFound, ok);
    while (!aborted) {
        FindClub(FindMode::kNext, {}, rc, notFound, ok);
        if (!ok) {
            break;
        }
        if (notFound) {
            continue;
        }
        WriteOrganisation(writer, ol.club.rec);
        CountExport(ol.club.rec.Namn.view(), 1, total);
        aborted = ProgressAborted();
    }
    return writer.Finish();
}

}  // namespace oltoma::ol::iof
