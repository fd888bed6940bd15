#include "print/report_context.h"

namespace oltoma {
namespace {

ReportContext& Bound() {
    static ReportContext context;
    return context;
}

}  // namespace

ReportContext BindReportContext(const ReportContext& context) {
    const ReportContext previous = Bound();
    Bound() = context;
    return previous;
}

const ReportContext& CurrentReportContext() {
    return Bound();
}

}  // namespace oltoma
