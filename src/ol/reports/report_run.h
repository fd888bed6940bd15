// What the orienteering reports share once their records are picked: the
// owner window and the output (printer or PDF file), and the scale text of
// their headings.
#pragma once

#include <string>

#include "platform/services.h"
#include "print/report_writer.h"

namespace oltoma::ol {

struct ReportRun {
    platform::WindowHandle owner = 0;
    ReportOutput output;
};

// "48" + "x72)." + " Skala " + the competition's course print scale / 10
// with two decimals (width 3): the end of the description reports'
// headings, after their "(".
std::string ScaleHeadingText();

// Opens the report with the working print setting; false when nothing can
// be printed: no printer, or a job that could not start (its message shown).
// The caller ends the report with ReportEnd in either case.
bool OpenReport(std::string_view title, const ReportRun& run);

}  // namespace oltoma::ol
