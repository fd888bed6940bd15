#include "ol/reports/report_kinds.h"

#include <algorithm>

#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/reports/report_commands.h"

namespace oltoma::ol {
namespace {

std::string ClassLine() {
    return Ol().klass.rec.Bet.str();
}
std::string CourseLine() {
    return Ol().course.rec.Bana.str();
}
std::string ControlLine() {
    return Ol().control.rec.KodNr.str();
}
std::string RouteLine() {
    const Rutb24Rec& route = Ol().route24.rec;
    return (route.Namn.str() + " " + route.Text.str()).substr(0, 59);
}

void RouteData(platform::WindowHandle owner) {
    PrintRouteDescriptions(owner, 'd');
}
void RouteCatalogue(platform::WindowHandle owner) {
    PrintRouteDescriptions(owner, 'p');
}
void RouteForm(platform::WindowHandle owner) {
    PrintRouteDescriptions(owner, 'b');
}

constexpr ReportKind kKinds[] = {
    {"controls", ReportFiles::definitions, &FindControl, &ControlLine, &PrintControlDefinitions},
    {"course-class", ReportFiles::definitions, &FindClass, &ClassLine, &PrintCoursesPerClass},
    {"code-course-class", ReportFiles::definitions, &FindControl, &ControlLine,
     &PrintCodeCourseClass},
    {"courses", ReportFiles::definitions, &FindCourse, &CourseLine, &PrintCourseDefinitions},
    {"route-data", ReportFiles::common, &FindRoute24, &RouteLine, &RouteData},
    {"route-catalogue", ReportFiles::common, &FindRoute24, &RouteLine, &RouteCatalogue},
    {"route-form", ReportFiles::common, &FindRoute24, &RouteLine, &RouteForm},
    {"class-list", ReportFiles::participants, &FindClass, &ClassLine, &PrintClassList},
};

}  // namespace

std::span<const ReportKind> ReportKinds() {
    return kKinds;
}

const ReportKind* FindReportKind(std::string_view name) {
    const auto found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [name](const ReportKind& kind) { return kind.name == name; });
    return found == std::end(kKinds) ? nullptr : found;
}

}  // namespace oltoma::ol
