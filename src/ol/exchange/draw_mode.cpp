#include "ol/exchange/draw_mode.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/files/exchange_file.h"
#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/exchange/import_log.h"
#include "ol/exchange/import_sections.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

std::int16_t ClampedSmallint(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void MarkClassDrawn(KlassRec& klass, int split) {
    if (klass.Nummerlapp != 0) {
        klass.FrstStNr = klass.Nummerlapp;
        klass.StNrCount =
            ClampedSmallint(std::int64_t{klass.Nummerlapp} + CountAt(klass.Count, 0, split) - 1);
    } else {
        klass.FrstStNr = klass.FirstDataNr;
        klass.StNrCount = klass.LastDataNr;
    }
    klass.eftAnm[0] = 0;
    klass.eftAnm[1] = 0;
    klass.Flag = 1;
}

void MarkEveryClassDrawn() {
    OlState& ol = Ol();
    const std::int32_t fileLen = storage::FileLen(ol.classFile);
    const std::int32_t used = storage::UsedRecs(ol.classFile);
    const int split = ol.competition.rec.MellanTid;
    for (std::int32_t rc = 1; rc < fileLen; ++rc) {
        bool notFound = true;
        bool ok = false;
        std::int32_t classRc = rc;
        if (!FindClass(FindMode::kByNumber, {}, classRc, notFound, ok)) {
            continue;
        }
        MarkClassDrawn(ol.klass.rec, split);
        const std::string text = "Antal:" + IntSpacePadded(rc, 3) + " [" + IntSpacePadded(used, 3) +
                                 "]. Klass \"" + ol.klass.rec.Bet.str() + "\"";
        if (RewriteClass(rc)) {
            CountRecord(text, 0, 1);
        } else {
            CountRecord(text, 0, 0);
            ImportLogMessage(MessageLine.view());
        }
    }
}

}  // namespace

void SetDrawMode(int section) {
    InfoRec& competition = Ol().competition.rec;
    const auto setDraw = [&competition](bool club, bool recreational, bool group) {
        competition.Lottad = club ? 1 : 0;
        competition.cLottad = recreational ? 1 : 0;
        competition.gLottad = group ? 1 : 0;
        competition.sLottad = 0;
    };
    switch (section) {
        case ImportSection::kKlubbLottad:
            setDraw(true, false, false);
            break;
        case ImportSection::kMotionsLottad:
            setDraw(false, true, false);
            break;
        case ImportSection::kGruppLottad:
            setDraw(false, false, true);
            break;
        case ImportSection::kJaktLottad:
            competition.Jaktad = 1;
            break;
        default:
            return;
    }
    StoreCompetition(Ol().CurrentCompetition);
    if (section != ImportSection::kJaktLottad) {
        MarkEveryClassDrawn();
    }
}

}  // namespace oltoma::ol
