// What the report writer reads from the rest of the program: the working
// print setting (footer text and the five closing pictures) and the program
// name of the job titles. The program binds them once the configuration is
// loaded; until then reports print without footer text and pictures.
#pragma once

#include <string>

#include "base/settings_records.h"

namespace oltoma {

struct ReportContext {
    const PrintSetting* printSetting = nullptr;  // the working print setting
    std::string programName = "kvarnix";         // at most 10 characters
};

// Binds the context; returns the one bound before.
ReportContext BindReportContext(const ReportContext& context);
const ReportContext& CurrentReportContext();

}  // namespace oltoma
