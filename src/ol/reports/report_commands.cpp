#include "ol/reports/report_commands.h"

#include <functional>
#include <memory>

#include "base/text/windows1252.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/class_list.h"
#include "ol/reports/definition_reports.h"
#include "ol/reports/route_description_reports.h"
#include "print/pdf_choice.h"
#include "registers/ol_pick.h"

namespace oltoma::ol {
namespace {

using registers::TEPick;

// A confirmed pick list as the report bodies read it.
class PickList final : public PickedRecords {
public:
    explicit PickList(TEPick& pick) : pick_(pick) {}
    int Antal() override { return pick_.Antal(); }
    std::int32_t GetPickData(int ix) override { return pick_.GetPickData(ix); }

private:
    TEPick& pick_;
};

using Body = std::function<void(PickedRecords&, const ReportRun&)>;

// Prints the records of a confirmed pick with `body`, to the printer or to
// the PDF file the user names.
void PrintPicked(const std::unique_ptr<TEPick>& pick, platform::WindowHandle owner,
                 std::string_view jobTitle, const Body& body) {
    if (pick == nullptr || !pick->OkExec()) {
        return;
    }
    ReportRun run;
    run.owner = owner;
    if (pick->PdfTicked()) {
        run.output.pdfFile = AskReportPdfFile(owner, jobTitle);
        if (run.output.pdfFile.empty()) {
            return;
        }
    }
    PickList picked(*pick);
    body(picked, run);
}

std::string Title(const char* utf8) {
    return Windows1252FromUtf8(utf8);
}

}  // namespace

void PrintControlDefinitions(platform::WindowHandle owner) {
    if (LiveRecordCount(Ol().controlFile) < 1) {
        return;
    }
    const std::unique_ptr<TEPick> pick =
        registers::TKontrPick::InitM(owner, Title("Välj kontroll(er)"), true, true);
    PrintPicked(pick, owner, "kontroller", [](PickedRecords& picked, const ReportRun& run) {
        PrintControlDefinitions(picked, run);
    });
}

void PrintCoursesPerClass(platform::WindowHandle owner) {
    if (LiveRecordCount(Ol().courseFile) < 1) {
        return;
    }
    const std::unique_ptr<TEPick> pick = registers::TKlassPick::InitM(
        owner, Title("Välj klass(er)"), registers::TKlassFilter::normal, true, true);
    PrintPicked(pick, owner, "banor", [](PickedRecords& picked, const ReportRun& run) {
        PrintCoursesPerClass(picked, run);
    });
}

void PrintCodeCourseClass(platform::WindowHandle owner) {
    if (LiveRecordCount(Ol().controlFile) < 1 || LiveRecordCount(Ol().courseFile) < 1) {
        return;
    }
    const std::unique_ptr<TEPick> pick =
        registers::TKontrPick::InitM(owner, Title("Välj kontroll(er)"), true, true);
    PrintPicked(pick, owner, "kodbanaklass", [](PickedRecords& picked, const ReportRun& run) {
        PrintCodeCourseClass(picked, run);
    });
}

void PrintCourseDefinitions(platform::WindowHandle owner) {
    if (LiveRecordCount(Ol().courseFile) < 1) {
        return;
    }
    const std::unique_ptr<TEPick> pick =
        registers::TBanPick::InitM(owner, Title("Välj ban(a)(or)"), true, true);
    PrintPicked(pick, owner, "banor", [](PickedRecords& picked, const ReportRun& run) {
        PrintCourseDefinitions(picked, run);
    });
}

void PrintClassList(platform::WindowHandle owner) {
    const std::unique_ptr<TEPick> pick = registers::TKlassPick::InitM(
        owner, Title("Välj klass(er)"), registers::TKlassFilter::normal, true, true);
    PrintPicked(pick, owner, "klasser",
                [](PickedRecords& picked, const ReportRun& run) { PrintClassList(picked, run); });
}

void PrintRouteDescriptions(platform::WindowHandle owner, char mode) {
    if (RefuseOlderRouteFormat()) {
        return;
    }
    const std::unique_ptr<TEPick> pick =
        registers::TRutbPick::InitM(owner, Title("Välj rutbeskrivning(ar)"), true, true);
    PrintPicked(pick, owner, "rutbeskr", [mode](PickedRecords& picked, const ReportRun& run) {
        PrintRouteDescriptions(picked, run, mode);
    });
}

}  // namespace oltoma::ol
