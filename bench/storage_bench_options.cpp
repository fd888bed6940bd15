#include "storage_bench_options.h"

#include <cstdlib>
#include <string_view>

namespace oltoma::bench {
namespace {

struct Setting {
    const char* flag;
    const char* variable;
    std::string* text = nullptr;
    std::size_t* count = nullptr;
    std::uint64_t* number = nullptr;
};

bool ParseNumber(std::string_view text, std::uint64_t& value) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    std::uint64_t result = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + static_cast<std::uint64_t>(c - '0');
    }
    value = result;
    return true;
}

bool Apply(const Setting& setting, std::string_view value, std::string& error) {
    if (setting.text != nullptr) {
        if (value.empty()) {
            error = std::string(setting.flag) + " needs a directory";
            return false;
        }
        *setting.text = std::string(value);
        return true;
    }
    std::uint64_t number = 0;
    if (!ParseNumber(value, number) || (setting.count != nullptr && number == 0)) {
        error = std::string(setting.flag) + " needs a positive whole number, not '" +
                std::string(value) + "'";
        return false;
    }
    if (setting.count != nullptr) {
        *setting.count = static_cast<std::size_t>(number);
    } else {
        *setting.number = number;
    }
    return true;
}

}  // namespace

bool ParseStorageBenchOptions(int& argc, char** argv, StorageBenchOptions& options,
                              std::string& error) {
    const Setting settings[] = {
        {"--disk_dir", "OLTOMA_BENCH_DISK_DIR", &options.diskDirectory},
        {"--tmpfs_dir", "OLTOMA_BENCH_TMPFS_DIR", &options.tmpfsDirectory},
        {"--inserts", "OLTOMA_BENCH_INSERTS", nullptr, &options.inserts},
        {"--unit_stores", "OLTOMA_BENCH_UNIT_STORES", nullptr, &options.unitStores},
        {"--index_keys", "OLTOMA_BENCH_INDEX_KEYS", nullptr, &options.indexKeys},
        {"--lookups", "OLTOMA_BENCH_LOOKUPS", nullptr, &options.lookups},
        {"--sync_samples", "OLTOMA_BENCH_SYNC_SAMPLES", nullptr, &options.syncSamples},
        {"--seed", "OLTOMA_BENCH_SEED", nullptr, nullptr, &options.seed},
    };
    for (const Setting& setting : settings) {
        if (const char* value = std::getenv(setting.variable); value != nullptr) {
            if (!Apply(setting, value, error)) {
                error += " (from " + std::string(setting.variable) + ")";
                return false;
            }
        }
    }
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        bool taken = false;
        for (const Setting& setting : settings) {
            const std::string_view flag = setting.flag;
            if (argument.size() > flag.size() && argument.substr(0, flag.size()) == flag &&
                argument[flag.size()] == '=') {
                if (!Apply(setting, argument.substr(flag.size() + 1), error)) {
                    return false;
                }
                taken = true;
            }
        }
        if (!taken) {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return true;
}

const char* StorageBenchUsage() {
    return "Storage engine against SQLite 3. Flags (environment variable in brackets):\n"
           "  --disk_dir=PATH      disk-backed directory [OLTOMA_BENCH_DISK_DIR], default "
           "bench-data\n"
           "  --tmpfs_dir=PATH     tmpfs directory [OLTOMA_BENCH_TMPFS_DIR], default /dev/shm\n"
           "  --inserts=N          durable inserts of (a) and (b) [OLTOMA_BENCH_INSERTS], "
           "default 20000\n"
           "  --unit_stores=N      stores per unit / transaction of (e) "
           "[OLTOMA_BENCH_UNIT_STORES], default 256\n"
           "  --index_keys=N       keys of the index of (c) and (d) [OLTOMA_BENCH_INDEX_KEYS], "
           "default 100000\n"
           "  --lookups=N          random lookups of (c) [OLTOMA_BENCH_LOOKUPS], default "
           "1000000\n"
           "  --sync_samples=N     append+sync and truncate+sync samples "
           "[OLTOMA_BENCH_SYNC_SAMPLES], default 300\n"
           "  --seed=N             data set seed [OLTOMA_BENCH_SEED], default 20261210\n"
           "Google Benchmark's own flags (--benchmark_filter, --benchmark_repetitions, ...) "
           "apply as well.\n";
}

}  // namespace oltoma::bench
