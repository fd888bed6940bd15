#include "sandbox.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace oltoma::testing {
namespace {

std::vector<std::string> CurrentEnvironment() {
    std::vector<std::string> variables;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        variables.emplace_back(*entry);
    }
    return variables;
}

std::string NameOf(const std::string& variable) {
    return variable.substr(0, variable.find('='));
}

}  // namespace

std::string CurrentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

std::string EnterSandbox() {
    std::error_code error;
    std::string pattern =
        std::filesystem::temp_directory_path(error).string() + "/oltoma-test-XXXXXX";
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
    std::filesystem::current_path(std::filesystem::path(folder).parent_path(), ignored);
    if (std::getenv("OLTOMA_KEEP_SANDBOX") == nullptr) {
        std::filesystem::remove_all(folder, ignored);
    }
}

EnvironmentSnapshot::EnvironmentSnapshot() : saved_(CurrentEnvironment()) {}

void EnvironmentSnapshot::Restore() const {
    for (const std::string& variable : CurrentEnvironment()) {
        ::unsetenv(NameOf(variable).c_str());
    }
    for (const std::string& variable : saved_) {
        const std::size_t equals = variable.find('=');
        if (equals != std::string::npos) {
            ::setenv(variable.substr(0, equals).c_str(), variable.c_str() + equals + 1, 1);
        }
    }
}

}  // namespace oltoma::testing
