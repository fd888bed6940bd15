#include "platform/folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/system_error.h"

namespace oltoma::platform {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool IsAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The value of a shell assignment's right side: "quoted text" with backslash
// escapes, or a bare word.
std::string UnquoteValue(std::string_view value) {
    if (value.empty() || value.front() != '"') {
        const std::size_t end = value.find_first_of(" \t\r");
        return std::string(value.substr(0, end));
    }
    std::string result;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            result += value[++i];
        } else if (value[i] == '"') {
            break;
        } else {
            result += value[i];
        }
    }
    return result;
}

}  // namespace

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) {
        return home;
    }
    const passwd* account = ::getpwuid(::getuid());
    return account != nullptr && account->pw_dir != nullptr ? std::string(account->pw_dir)
                                                            : std::string();
}

std::string RoamingAppDataFolder() {
    const std::string configured = Environment("XDG_CONFIG_HOME");
    if (IsAbsolute(configured)) {
        return configured;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

std::string DocumentsFolderFromUserDirs(std::string_view fileText, std::string_view home) {
    std::string found;
    std::istringstream lines{std::string(fileText)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') {
            continue;
        }
        constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
        if (line.compare(start, kKey.size(), kKey) != 0) {
            continue;
        }
        const std::string value = UnquoteValue(std::string_view(line).substr(start + kKey.size()));
        constexpr std::string_view kHome = "$HOME";
        if (value.compare(0, kHome.size(), kHome) == 0 &&
            (value.size() == kHome.size() || value[kHome.size()] == '/')) {
            found = std::string(home) + value.substr(kHome.size());
        } else if (IsAbsolute(value)) {
            found = value;
        }
    }
    while (found.size() > 1 && found.back() == '/') {
        found.pop_back();
    }
    return found;
}

std::string DocumentsFolder() {
    const std::string home = HomeFolder();
    const std::string config = RoamingAppDataFolder();
    if (!config.empty()) {
        const std::string fromFile =
            DocumentsFolderFromUserDirs(ReadWholeFile(config + "/user-dirs.dirs"), home);
        if (!fromFile.empty()) {
            return fromFile;
        }
    }
    const std::string fromEnvironment = Environment("XDG_DOCUMENTS_DIR");
    if (IsAbsolute(fromEnvironment)) {
        return fromEnvironment;
    }
    return home.empty() ? std::string() : home + "/Documents";
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

int SetCurrentDirectory(std::string_view path) {
    const std::string text(path);
    if (::chdir(text.c_str()) == 0) {
        return SystemError::kNone;
    }
    return SystemErrorFromErrno(errno, text);
}

bool FolderExists(std::string_view path) {
    struct stat info {};
    return ::stat(std::string(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int CreateFolders(std::string_view path) {
    if (FolderExists(path)) {
        return SystemError::kNone;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(std::string(path)), error);
    if (FolderExists(path)) {
        return SystemError::kNone;
    }
    return SystemErrorFromErrno(error ? error.value() : ENOTDIR, path);
}

std::string ComputerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof(name) - 1) != 0) {
        return {};
    }
    return std::string(name);
}

}  // namespace oltoma::platform
