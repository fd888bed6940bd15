// The orienteering reports of a full-size data directory (rebuild_bench_data.h
// with descriptions: 80 classes, 200 courses of 35 controls, 512 controls,
// 8000 participants and a symbol library) printed with everything picked
// to PDF files through the Qt printer, offscreen, as the menu commands run
// them: from the pick to the closed file. Counters: pages and file bytes.
//
//   report_benchmark [--dir=DIR] [--scale=F] [--make=DIR] [benchmark flags]
//
// The directory is made in DIR (default /dev/shm/oltoma-report-bench) and
// the PDFs are left in DIR/pdf. --make=DIR only makes a directory for
// trials by hand and leaves it there.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/report_kinds.h"
#include "platform/pdf_file_prompt.h"
#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/print/qt_printer.h"
#include "print/report_writer.h"
#include "rebuild_bench_data.h"
#include "registers/pick_dialog.h"

namespace oltoma::bench {
namespace {

namespace fs = std::filesystem;

struct Options {
    std::string dir = "/dev/shm/oltoma-report-bench";
    double scale = 1.0;
    std::string make;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.starts_with("--dir=")) {
            options.dir = argument.substr(6);
        } else if (argument.starts_with("--scale=")) {
            options.scale = std::stod(argument.substr(8));
        } else if (argument.starts_with("--make=")) {
            options.make = argument.substr(7);
        } else {
            std::cerr << "unknown option " << argument << '\n';
            return std::nullopt;
        }
    }
    return options;
}

BenchSizes Sizes(double scale) {
    BenchSizes sizes = ScaledSizes(scale);
    sizes.controls = std::max(40, sizes.controls);
    sizes.deleteEveryThird = false;
    sizes.descriptions = true;
    return sizes;
}

bool Make(const std::string& folder, double scale) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    MadeDirectory made;
    std::string failure;
    if (!MakeBenchDirectory(folder, Sizes(scale), made, failure)) {
        std::cerr << "making " << folder << " failed: " << failure << '\n';
        return false;
    }
    return true;
}

// Every candidate, with PDF ticked.
class EverythingPicked final : public registers::PickDialog {
public:
    registers::PickDialogAnswer Run(const registers::PickDialogRequest& request) override {
        registers::PickDialogAnswer answer{.ok = true, .selected = {}, .pdf = true};
        for (std::size_t i = 0; i < request.lines.size(); ++i) {
            answer.selected.push_back(static_cast<int>(i));
        }
        return answer;
    }
};

class NamedFile final : public platform::PdfFilePrompt {
public:
    std::string path;
    std::string AskPdfFile(platform::WindowHandle, const std::string&) override { return path; }
};

NamedFile& Prompt() {
    static NamedFile prompt;
    return prompt;
}

void UseGroup(ol::ReportFiles files) {
    if (files == ol::ReportFiles::definitions && !ol::Ol().DefinitionFilesOpen) {
        ol::OpenDefinitionFiles();
    } else if (files != ol::ReportFiles::definitions && !ol::Ol().ParticipantFilesOpen) {
        ol::OpenParticipantFiles();
    }
}

void PrintReport(benchmark::State& state, const ol::ReportKind& report,
                 const std::string& pdfFolder) {
    UseGroup(report.files);
    Prompt().path = pdfFolder + "/" + report.name + ".pdf";
    for (auto _ : state) {
        report.print(0);
        if (!PdfWritten()) {
            state.SkipWithError("the PDF file was not written");
            return;
        }
    }
    state.counters["pages"] = PageNumber();
    state.counters["bytes"] = static_cast<double>(fs::file_size(Prompt().path));
}

}  // namespace
}  // namespace oltoma::bench

int main(int argc, char** argv) {
    using namespace oltoma;
    using namespace oltoma::bench;
    benchmark::Initialize(&argc, argv);
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!options->make.empty()) {
        return Make(fs::absolute(options->make).string(), options->scale) ? 0 : 1;
    }
    const std::string folder = fs::absolute(options->dir).string();
    if (!Make(folder, options->scale)) {
        return 1;
    }
    const std::string pdfFolder = folder + "/pdf";
    fs::create_directories(pdfFolder);

    DefaultGlobalSettings();
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.routeDescriptionFormat = 1;
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder);
    DefaultPrintSetting(1);
    if (!ol::OlStartup({}) || !ol::OpenCommonFiles()) {
        std::cerr << "the data files of " << folder << " cannot be opened\n";
        return 1;
    }
    settings.currentNumber = 1;
    ol::ReopenCompetition();

    platform::QtPrinter printer;
    platform::QtPictureReader reader;
    EverythingPicked picks;
    platform::BindPrinter(&printer);
    platform::BindPictureFileReader(&reader);
    platform::BindPdfFilePrompt(&Prompt());
    registers::BindPickDialog(&picks);
    for (const ol::ReportKind& report : ol::ReportKinds()) {
        benchmark::RegisterBenchmark(report.name, [&report, &pdfFolder](benchmark::State& state) {
            PrintReport(state, report, pdfFolder);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    registers::BindPickDialog(nullptr);
    platform::BindPdfFilePrompt(nullptr);
    platform::BindPictureFileReader(nullptr);
    platform::BindPrinter(nullptr);
    ol::CloseCommonFiles();
    ol::OlShutdown();
    return 0;
}
