// The import of a large exchange file, as oltoma-tool import runs it
// (ImportChosenFiles, the log on the recording printer): one file with the
// most controls an import adds (511) and 200 courses of 35 controls, into an
// empty competition, on tmpfs and on disk. A second import of the file with
// every record changed rewrites them all. Each run reports wall, user and system time, the
// syncs per new or rewritten record (FlushCount), the sync latency sampled
// during the run (one append + fdatasync and one truncate + fdatasync every
// 16 records, not counted in the times), the floor (syncs x latency) and
// time / floor.
//
//   import_benchmark [--tmpfs=DIR] [--disk=DIR] [--no-disk] [--controls=N]
//                    [--courses=N] [--repeat=N]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/files/file_choice.h"
#include "base/messages/progress.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "bench_support.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/main_window_support.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/file_set_check.h"
#include "ol/exchange/import_command.h"
#include "platform/print/recording_printer.h"
#include "print/log_list.h"
#include "storage/file_primitives.h"
#include "storage_bench_sync.h"

namespace oltoma::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kCourseControls = 35;
constexpr int kRecordsPerSample = 16;

struct Options {
    std::string tmpfs = "/dev/shm/oltoma-import-bench";
    std::string disk = "import-bench-disk";
    bool withDisk = true;
    int controls = 511;
    int courses = 200;
    int repeat = 3;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&argument](std::string_view flag) { return FlagValue(argument, flag); };
        if (auto v = value("--tmpfs=")) {
            options.tmpfs = *v;
        } else if (auto v = value("--disk=")) {
            options.disk = *v;
        } else if (auto v = value("--controls=")) {
            options.controls = std::clamp(std::stoi(*v), 1, 511);
        } else if (auto v = value("--courses=")) {
            options.courses = std::max(1, std::stoi(*v));
        } else if (auto v = value("--repeat=")) {
            options.repeat = std::max(1, std::stoi(*v));
        } else if (argument == "--no-disk") {
            options.withDisk = false;
        } else {
            std::cerr << "unknown option " << argument << '\n';
            return false;
        }
    }
    return true;
}

double CpuSeconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Control codes 100, 101, ...: three digits, never padded.
std::string Code(int i) {
    return std::to_string(100 + i);
}

// The file of an import; a later generation changes every record, so that
// importing it over an earlier one rewrites them all.
std::string ExchangeFile(const Options& options, int generation) {
    std::string text = "; importbenchmark\r\n*Kontroller\r\n";
    for (int i = 0; i < options.controls; ++i) {
        text +=
            Code(i) + ",,,,,,,,," + std::to_string(i) + "," + std::to_string(generation) + "\r\n";
    }
    text += "*Banor\r\n";
    for (int course = 0; course < options.courses; ++course) {
        text +=
            "B" + std::to_string(1000 + course) + "," + std::to_string(4500 + generation) + ",120";
        for (int c = 0; c < kCourseControls; ++c) {
            text += "," + Code((course * 7 + c * 13) % options.controls);
        }
        text += "\r\n";
    }
    return text;
}

void StartDataLayer(const std::string& folder) {
    DefaultGlobalSettings();
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.routeDescriptionFormat = 1;
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder);
    settings.currentNumbers[kOltomaApplicationKind] = 0;
    ol::OlStartup({});
}

// Common files and one empty competition, closed again.
bool MakeTemplate(const std::string& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    StartDataLayer(folder);
    bool made = ol::CreateCommonFiles() && ol::OpenCommonFiles();
    ol::ClearCompetitionRecord();
    ol::Ol().competition.rec.Tvl = "Benchmark";
    int n = 0;
    made = made && ol::SaveCompetition(true, n) && ol::CreateCompetitionFiles();
    ol::CloseCommonFiles();
    ol::OlShutdown();
    return made;
}

// Progress windows that show nothing and sample the sync latency every
// kRecordsPerSample records (two progress lines a record), timing the
// samples so the run can leave them out.
class SamplingProgress final : public ProgressWindows {
public:
    explicit SamplingProgress(SyncProbe& probe) : probe_(probe) {}

    std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions&) override {
        return std::make_unique<Window>(*this);
    }
    double sampling = 0;  // seconds spent sampling

private:
    class Window final : public ProgressWindow {
    public:
        explicit Window(SamplingProgress& owner) : owner_(owner) {}
        void SetStatusLine(int, std::string_view) override {}
        void ProcessPendingEvents() override {
            if (++owner_.rounds_ % (2 * kRecordsPerSample) == 0) {
                const auto start = Clock::now();
                owner_.probe_.Sample();
                owner_.sampling += Seconds(Clock::now() - start);
            }
        }

    private:
        SamplingProgress& owner_;
    };

    SyncProbe& probe_;
    long rounds_ = 0;
};

// The import log's counts line ("Adderade: ... Modifierade: ... Rader: ...").
std::string& CountsLine() {
    static std::string line;
    return line;
}

void KeepCountsLine(std::string_view line) {
    if (line.starts_with("Adderade:")) {
        CountsLine() = std::string(line);
    }
}

struct RunResult {
    double wall = 0;
    double user = 0;
    double system = 0;
    std::uint64_t syncs = 0;
    SyncLatency latency;
    std::string counts;
};

// One import of the file into the run directory, as the tool runs it.
RunResult ImportOnce(const std::string& run, const std::string& fileFolder,
                     const std::string& fileName) {
    RunResult result;
    StartDataLayer(run);
    ol::OpenCommonFiles();
    ol::ChooseCompetition(1);
    platform::RecordingPrinter printer;
    platform::Printer* previousPrinter = platform::BindPrinter(&printer);
    SyncProbe probe(run);
    SamplingProgress progress(probe);
    ProgressWindows* previousProgress = BindProgressWindows(&progress);
    const LogLineObserver previousObserver = BindLogLineObserver(&KeepCountsLine);
    FileChoiceList list(kImportOnceOnlyCodes);
    list.Add(DescribeFile(Windows1252FromUtf8(fileFolder), fileName, kImportKeywordList));

    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const std::uint64_t syncsBefore = storage::FlushCount();
    const auto start = Clock::now();
    ol::ImportChosenFiles(0, list.entries());
    const auto end = Clock::now();
    const std::uint64_t syncsAfter = storage::FlushCount();
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);

    result.wall = Seconds(end - start) - progress.sampling;
    result.user = CpuSeconds(after.ru_utime) - CpuSeconds(before.ru_utime);
    result.system = CpuSeconds(after.ru_stime) - CpuSeconds(before.ru_stime);
    result.syncs = syncsAfter - syncsBefore;  // the probe syncs its own file directly
    result.latency = probe.Result();
    result.counts = CountsLine();
    BindLogLineObserver(previousObserver);
    BindProgressWindows(previousProgress);
    platform::BindPrinter(previousPrinter);
    ol::CloseCommonFiles();
    ol::OlShutdown();
    return result;
}

std::vector<std::string> Check(const std::string& run) {
    StartDataLayer(run);
    std::vector<std::string> problems = ol::CheckFileSet(run);
    ol::OlShutdown();
    return problems;
}

void Print(const char* what, const RunResult& r, int records) {
    const double latency = r.latency.appendMedian;
    const double floor = latency * static_cast<double>(r.syncs);
    std::printf(
        "  %s (%s):\n    wall %.3f s (user %.3f s, system %.3f s), %llu syncs, %.2f "
        "per record\n",
        what, r.counts.c_str(), r.wall, r.user, r.system, static_cast<unsigned long long>(r.syncs),
        static_cast<double>(r.syncs) / records);
    if (r.latency.failure.empty() && r.latency.samples > 0) {
        std::printf(
            "    sync latency during the run %.1f us (median of %zu, mean %.1f us); floor "
            "%.3f s; time / floor %.2f\n",
            latency * 1e6, r.latency.samples, r.latency.appendMean * 1e6, floor,
            floor > 0 ? r.wall / floor : 0.0);
    } else {
        std::printf("    sync latency: %s\n",
                    r.latency.failure.empty() ? "no samples" : r.latency.failure.c_str());
    }
}

void Report(const std::string& where, const std::string& folder, const std::string& templateDir,
            const std::string& fileFolder, const Options& options) {
    const std::string run = folder + "/run";
    fs::create_directories(folder);
    const int records = options.controls + options.courses;
    std::vector<std::pair<RunResult, RunResult>> results;
    std::vector<std::string> problems;
    for (int i = 0; i < options.repeat; ++i) {
        CopyFolderToDisk(templateDir, run);
        const RunResult added = ImportOnce(run, fileFolder, "import1.txt");
        const RunResult rewritten = ImportOnce(run, fileFolder, "import2.txt");
        problems = Check(run);
        results.emplace_back(added, rewritten);
    }
    std::sort(results.begin(), results.end(),
              [](const auto& a, const auto& b) { return a.first.wall < b.first.wall; });
    const auto& [added, rewritten] = results[results.size() / 2];
    std::printf("\n%s (%s): %d controls, %d courses of %d controls, median of %d runs, %s\n",
                where.c_str(), folder.c_str(), options.controls, options.courses, kCourseControls,
                options.repeat,
                problems.empty() ? "check clean" : ("PROBLEM: " + problems.front()).c_str());
    Print("new records      ", added, records);
    Print("rewritten records", rewritten, records);
    fs::remove_all(run);
}

}  // namespace
}  // namespace oltoma::bench

int main(int argc, char** argv) {
    using namespace oltoma::bench;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    const std::string templateDir = options.tmpfs + "/template";
    const std::string fileFolder = options.tmpfs + "/exchange";
    fs::create_directories(fileFolder);
    std::ofstream(fileFolder + "/import1.txt", std::ios::binary) << ExchangeFile(options, 1);
    std::ofstream(fileFolder + "/import2.txt", std::ios::binary) << ExchangeFile(options, 2);
    if (!MakeTemplate(templateDir)) {
        std::cerr << "making the data directory failed\n";
        return 1;
    }
    Report("tmpfs", options.tmpfs, templateDir, fileFolder, options);
    if (options.withDisk) {
        Report("disk", fs::absolute(options.disk).string(), templateDir, fileFolder, options);
    }
    fs::remove_all(options.tmpfs);
    return 0;
}
