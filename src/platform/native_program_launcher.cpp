#include "platform/native_program_launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>

#include "platform/system_error.h"

extern char** environ;

namespace oltoma::platform {
namespace {

constexpr std::string_view kExeSuffix = ".exe";

std::string WithoutExeSuffix(std::string_view program) {
    if (program.size() > kExeSuffix.size()) {
        const std::string_view tail = program.substr(program.size() - kExeSuffix.size());
        bool same = true;
        for (std::size_t i = 0; i < tail.size(); ++i) {
            same = same && (tail[i] | 0x20) == kExeSuffix[i];
        }
        if (same) {
            program.remove_suffix(kExeSuffix.size());
        }
    }
    return std::string(program);
}

bool IsTextEditorName(const std::string& name) {
    constexpr std::string_view kNotepad = "notepad";
    if (name.size() != kNotepad.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((name[i] | 0x20) != kNotepad[i]) {
            return false;
        }
    }
    return true;
}

int ResultOfSpawnError(int error, const std::string& program) {
    switch (error) {
        case ENOEXEC:
            return 11;
        case ENOMEM:
        case EAGAIN:
            return 0;
        case ENOENT:
            return program.find('/') == std::string::npos ? SystemError::kFileNotFound
                                                          : SystemErrorFromErrno(error, program);
        default:
            return SystemErrorFromErrno(error, program);
    }
}

// The started program runs on its own; a waiting thread collects its exit so
// that no finished child lingers in the process table.
void CollectWhenDone(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

std::vector<std::string> DefaultTextEditors() {
    return {"gnome-text-editor", "gedit",   "kate", "kwrite", "mousepad", "pluma", "xed",
            "featherpad",        "leafpad", "geany"};
}

NativeProgramLauncher::NativeProgramLauncher() : textEditors_(DefaultTextEditors()) {}

NativeProgramLauncher::NativeProgramLauncher(std::vector<std::string> textEditors)
    : textEditors_(std::move(textEditors)) {}

int NativeProgramLauncher::Start(std::string_view program) {
    const std::string name = WithoutExeSuffix(program);
    if (name.empty()) {
        return SystemError::kFileNotFound;
    }
    if (!IsTextEditorName(name)) {
        return Spawn(name);
    }
    for (const std::string& editor : textEditors_) {
        const int result = Spawn(editor);
        if (result != SystemError::kFileNotFound) {
            return result;
        }
    }
    return SystemError::kFileNotFound;
}

int NativeProgramLauncher::Spawn(const std::string& program) {
    // The program gets its own session, so that signals meant for this
    // program's terminal do not reach it, and an empty signal mask.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    char* arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    const int error =
        ::posix_spawnp(&child, program.c_str(), nullptr, &attributes, arguments, environ);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        return ResultOfSpawnError(error, program);
    }
    CollectWhenDone(child);
    return kProgramStarted;
}

}  // namespace oltoma::platform
