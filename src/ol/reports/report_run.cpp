#include "ol/reports/report_run.h"

#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/description_geometry.h"

namespace oltoma::ol {

std::string ScaleHeadingText() {
    const int scale = CoursePrintScale(Ol().competition.rec);
    return IntZeroPadded(48, 2) + "x72)." + " Skala " + RealSpacePadded(scale / 10.0, 3);
}

bool OpenReport(std::string_view title, const ReportRun& run) {
    // A job that could not start has said why; the report then draws
    // nothing, so it does not lay anything out either.
    return ReportOpen(title, WorkingPrintSetting().printer, run.owner, run.output) &&
           !PrintAborted();
}

}  // namespace oltoma::ol
