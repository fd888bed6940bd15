#include "sandbox.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace oltoma::testing {

std::string EnterSandbox() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/oltoma-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    ::setenv("HOME", pattern.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (pattern + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (pattern + "/.local/share").c_str(), 1);
    ::unsetenv("XDG_DOCUMENTS_DIR");
    if (::chdir(pattern.c_str()) != 0) {
        std::perror("chdir");
        std::exit(2);
    }
    return pattern;
}

void LeaveSandbox(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    if (std::getenv("OLTOMA_KEEP_SANDBOX") == nullptr) {
        std::filesystem::remove_all(folder, ignored);
    }
}

}  // namespace oltoma::testing
