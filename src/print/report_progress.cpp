#include <cmath>

#include "base/text/number_format.h"
#include "platform/print/report_dialog.h"
#include "print/report_writer.h"

namespace oltoma {

void ShowProgress(int done, int total) {
    platform::ReportDialog& dialog = platform::CurrentReportDialog();
    dialog.SetCounts(IntSpacePadded(done, 5), "[" + IntSpacePadded(total, 5) + "]");
    const double percent = total > 0 ? static_cast<double>(done) / total * 100.0 : done;
    dialog.SetProgress(static_cast<int>(std::nearbyint(percent)));
    dialog.ProcessEvents();
}

void ShowStatus(int line, std::string_view text) {
    if (line == 1 || line == 2 || line == 3 || line == 5) {
        platform::CurrentReportDialog().SetStatus(line, text);
    }
}

}  // namespace oltoma
