// The index rebuild of a full-size data directory (rebuild_bench_data.h) on
// tmpfs and on disk: wall time, syncs per rebuilt record, peak memory, the
// time of each register, and the disk's sync floor (the syncs made times the
// measured latency of one append + fdatasync). The directory is made once on
// tmpfs and copied (and synced) before every run.
//
//   rebuild_benchmark [--tmpfs=DIR] [--disk=DIR] [--repeat=N] [--scale=F]
//                     [--no-disk] [--make=DIR]
//
// --make=DIR only makes the directory in DIR (for trying the maintenance
// commands by hand) and leaves it there.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "bench_support.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/maintenance/file_set_check.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "rebuild_bench_data.h"
#include "storage/file_primitives.h"
#include "storage_bench_sync.h"

namespace oltoma::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Options {
    std::string tmpfs = "/dev/shm/oltoma-rebuild-bench";
    std::string disk = "rebuild-bench-disk";
    int repeat = 3;
    double scale = 1.0;
    bool withDisk = true;
    std::string make;  // only make the directory here
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&argument](std::string_view flag) { return FlagValue(argument, flag); };
        if (auto v = value("--tmpfs=")) {
            options.tmpfs = *v;
        } else if (auto v = value("--disk=")) {
            options.disk = *v;
        } else if (auto v = value("--repeat=")) {
            options.repeat = std::max(1, std::stoi(*v));
        } else if (auto v = value("--scale=")) {
            options.scale = std::stod(*v);
        } else if (auto v = value("--make=")) {
            options.make = *v;
        } else if (argument == "--no-disk") {
            options.withDisk = false;
        } else {
            std::cerr << "unknown option " << argument << '\n';
            return false;
        }
    }
    return true;
}

// Median seconds to create a file, write 64 kB and fdatasync it: what the
// rebuild does for each new data and index file.
double NewFileSyncLatency(const std::string& folder) {
    std::vector<char> block(64 * 1024, 0);
    std::vector<double> samples;
    for (int i = 0; i < 50; ++i) {
        const std::string name = folder + "/sync-new-" + std::to_string(i) + ".tmp";
        const auto start = Clock::now();
        const int file = ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        const bool ok =
            file >= 0 &&
            ::pwrite(file, block.data(), block.size(), 0) == static_cast<ssize_t>(block.size()) &&
            ::fdatasync(file) == 0;
        samples.push_back(Seconds(Clock::now() - start));
        ::close(file);
        fs::remove(name);
        if (!ok) {
            break;
        }
    }
    return MiddleSample(samples);
}

long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The time each register took, from the status lines of the rebuild.
struct PhaseClock {
    static std::vector<std::pair<std::string, Clock::time_point>>& Marks() {
        static std::vector<std::pair<std::string, Clock::time_point>> marks;
        return marks;
    }
    static void Observe(std::string_view line) {
        if (line.find(" indexerar fil: ") != std::string_view::npos) {
            Marks().emplace_back(Utf8FromWindows1252(line), Clock::now());
        }
    }
};

struct RunResult {
    bool ok = false;
    double seconds = 0;
    std::uint64_t syncs = 0;
    long peakKilobytes = 0;
    std::vector<std::pair<std::string, double>> phases;
    std::vector<std::string> problems;
};

RunResult RebuildOnce(const std::string& run) {
    RunResult result;
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(run);
    settings.currentNumbers[kOltomaApplicationKind] = 1;
    settings.routeDescriptionFormat = 1;
    ol::OlStartup({});
    ol::OpenCommonFiles();
    PhaseClock::Marks().clear();
    ResetPeak();
    const std::uint64_t syncsBefore = storage::FlushCount();
    const auto start = Clock::now();
    result.ok = ol::RebuildFileSet(1) == ol::MaintenanceResult::done;
    const auto end = Clock::now();
    result.seconds = Seconds(end - start);
    result.syncs = storage::FlushCount() - syncsBefore;
    result.peakKilobytes = PeakKilobytes();
    const auto& marks = PhaseClock::Marks();
    for (std::size_t i = 0; i + 1 < marks.size(); i += 2) {
        result.phases.emplace_back(marks[i].first.substr(16, marks[i].first.find(" Recs") - 16),
                                   Seconds(marks[i + 1].second - marks[i].second));
    }
    ol::CloseCommonFiles();
    ol::OlShutdown();
    ol::OlStartup({});
    result.problems = ol::CheckFileSet(run);
    ol::OlShutdown();
    return result;
}

void Report(const std::string& where, const std::string& folder, const std::string& templateDir,
            const MadeDirectory& made, int repeat) {
    const std::string run = folder + "/run";
    fs::create_directories(folder);
    const double latency = MeasureSyncLatency(folder, 200).appendMedian;
    const double newFileLatency = NewFileSyncLatency(folder);
    std::vector<RunResult> results;
    for (int i = 0; i < repeat; ++i) {
        CopyFolderToDisk(templateDir, run);
        results.push_back(RebuildOnce(run));
    }
    std::sort(results.begin(), results.end(),
              [](const RunResult& a, const RunResult& b) { return a.seconds < b.seconds; });
    const RunResult& median = results[results.size() / 2];
    std::printf("\n%s (%s): %s\n", where.c_str(), folder.c_str(),
                median.ok && median.problems.empty() ? "rebuilt, check clean" : "FAILED");
    for (const std::string& problem : median.problems) {
        std::printf("  problem: %s\n", problem.c_str());
    }
    std::printf("  time: min %.3f s, median %.3f s, max %.3f s (%d runs)\n",
                results.front().seconds, median.seconds, results.back().seconds, repeat);
    std::printf("  syncs: %llu, %.4f per rebuilt record (%lld records)\n",
                static_cast<unsigned long long>(median.syncs),
                static_cast<double>(median.syncs) / static_cast<double>(made.liveRecords),
                static_cast<long long>(made.liveRecords));
    std::printf("  peak memory (VmHWM during the rebuild): %ld kB\n", median.peakKilobytes);
    std::printf("  one append + fdatasync: %.3f ms; sync floor of this rebuild: %.3f s\n",
                latency * 1000, latency * static_cast<double>(median.syncs));
    std::printf("  new file + 64 kB + fdatasync: %.3f ms; floor with new-file syncs: %.3f s\n",
                newFileLatency * 1000, newFileLatency * static_cast<double>(median.syncs));
    std::printf("  journalled adds would make %.2f syncs per record: floor %.1f s\n",
                static_cast<double>(made.syncs) / static_cast<double>(made.recordsAdded),
                latency * static_cast<double>(made.syncs) / static_cast<double>(made.recordsAdded) *
                    static_cast<double>(made.liveRecords));
    for (const auto& [phase, seconds] : median.phases) {
        std::printf("    %-14s %.3f s\n", phase.c_str(), seconds);
    }
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
    oltoma::ol::BindStatusLineObserver(&PhaseClock::Observe);
    const std::string templateDir =
        options.make.empty() ? options.tmpfs + "/template" : fs::absolute(options.make).string();
    fs::remove_all(templateDir);
    fs::create_directories(templateDir);
    MadeDirectory made;
    std::string failure;
    const auto start = Clock::now();
    if (!MakeBenchDirectory(templateDir, ScaledSizes(options.scale), made, failure)) {
        std::cerr << "making the directory failed: " << failure << '\n';
        return 1;
    }
    std::printf("made %lld records (%lld live) in %.1f s with %llu syncs\n",
                static_cast<long long>(made.recordsAdded), static_cast<long long>(made.liveRecords),
                Seconds(Clock::now() - start), static_cast<unsigned long long>(made.syncs));
    if (!options.make.empty()) {
        return 0;
    }
    Report("tmpfs", options.tmpfs, templateDir, made, options.repeat);
    if (options.withDisk) {
        Report("disk", options.disk, templateDir, made, options.repeat);
    }
    fs::remove_all(templateDir);
    return 0;
}
