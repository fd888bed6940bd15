#include "ol/reports/result_text.h"

#include "base/time/duration_format.h"
#include "ol/data/records/result_codes.h"

namespace oltoma::ol {

std::string ResultText(const KlassRec& klass, int form, std::int32_t seconds, int stage) {
    if (IsStruken(klass, stage)) {
        return kStrukenWord;
    }
    if (IsResultCode(seconds)) {
        return ResultCodeWord(seconds);
    }
    std::string text = FormatDuration(form, seconds);
    const bool alwaysSeconds = form == 3 || form == 4 || form == 6;
    if (alwaysSeconds && seconds % 60 == 0) {
        text += ":00";
    }
    text += "  ";
    return text.substr(0, 10);
}

}  // namespace oltoma::ol
