#include "platform/shared_data.h"

#include <filesystem>
#include <system_error>

namespace oltoma::platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMissingText = "Programmets datafil saknas: ";

}  // namespace

SharedDataFile FindSharedDataFile(std::string_view name, std::string_view executableFolder) {
    const fs::path relative = fs::path("share") / "oltoma" / fs::path(name);
    std::error_code error;
    fs::path folder = fs::path(executableFolder).lexically_normal();
    while (!folder.empty()) {
        if (fs::is_directory(folder / "share" / "oltoma", error)) {
            const fs::path file = folder / relative;
            if (fs::is_regular_file(file, error)) {
                return {file.string(), {}};
            }
            return {{}, kMissingText + file.string()};
        }
        if (folder == folder.parent_path()) {
            break;
        }
        folder = folder.parent_path();
    }
    return {{},
            kMissingText + relative.string() + " (ingen mapp share/oltoma ovanför " +
                std::string(executableFolder) + ")"};
}

SharedDataFile FindSharedDataFile(std::string_view name) {
    return FindSharedDataFile(name, ExecutableFolder());
}

std::string ExecutableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.parent_path().string();
}

}  // namespace oltoma::platform
