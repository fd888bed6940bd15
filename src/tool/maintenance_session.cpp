#include "tool/maintenance_session.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "base/files/folder_entries.h"
#include "base/messages/console_message_boxes.h"
#include "base/messages/messages.h"
#include "base/settings/settings_defaults.h"
#include "base/settings/settings_state.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "platform/services.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::tool {
namespace {

void PrintStatusLine(std::string_view line) {
    std::cout << Utf8FromWindows1252(line) << std::endl;
}

// Every text put into MessageLine; a text cleared away is no message.
void PrintMessageLine(std::string_view line) {
    if (!line.empty()) {
        std::cerr << Utf8FromWindows1252(line) << std::endl;
    }
}

bool IsStorageFileName(const std::string& name) {
    const std::string upper = UpperString(name);
    return upper.ends_with(".DAT") || upper.ends_with(".IX") || upper.ends_with(".DIA");
}

// The first storage file of the folder that another process holds open;
// empty when none is.
std::string FileHeldOpen(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : FolderEntries(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file(error) || !IsStorageFileName(name)) {
            continue;
        }
        storage::ClearIsamStatus();
        if (!storage::CheckNotInUse(entry.path().string()) &&
            storage::IsamDosError() == platform::SystemError::kSharingViolation) {
            return name;
        }
    }
    return {};
}

}  // namespace

struct MaintenanceSession::Bindings {
    Bindings(bool answerYes, SessionMessages messages)
        : boxes(messages == SessionMessages::standardError ? stderr : stdout,
                answerYes ? ConsoleAnswer::Yes : ConsoleAnswer::No) {
        previous = platform::BindServices({});
        platform::Services services = previous;
        services.messageBoxes = &boxes;
        platform::BindServices(services);
        if (messages == SessionMessages::standardError) {
            previousMessageObserver = BindMessageLineObserver(&PrintMessageLine);
        } else {
            previousObserver = ol::BindStatusLineObserver(&PrintStatusLine);
        }
    }
    ~Bindings() {
        BindMessageLineObserver(previousMessageObserver);
        ol::BindStatusLineObserver(previousObserver);
        platform::BindServices(previous);
    }

    ConsoleMessageBoxes boxes;
    platform::Services previous;
    ol::StatusLineObserver previousObserver = nullptr;
    MessageLineObserver previousMessageObserver = nullptr;
};

MaintenanceArguments ParseMaintenanceArguments(std::span<const std::string> arguments,
                                               bool repairOptions) {
    MaintenanceArguments parsed;
    for (const std::string& argument : arguments) {
        if (argument == "--yes") {
            parsed.yes = true;
        } else if (repairOptions && argument == "--discard-journal") {
            parsed.discardJournal = true;
        } else if (argument.size() > 1 && argument.front() == '-') {
            parsed.unknownOption = true;
        } else {
            parsed.positional.push_back(argument);
        }
    }
    return parsed;
}

int CompetitionArgument(const std::string& text) {
    if (text.size() < 1 || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return -1;
    }
    const int number = std::stoi(text);
    return number <= 8 ? number : -1;
}

MaintenanceSession::MaintenanceSession(const std::string& folder, int competition, bool answerYes,
                                       SessionMessages messages)
    : bindings_(std::make_unique<Bindings>(answerYes, messages)) {
    std::error_code error;
    folder_ = std::filesystem::absolute(folder, error).lexically_normal().string();
    while (folder_.size() > 1 && folder_.back() == '/') {
        folder_.pop_back();
    }
    if (error || !std::filesystem::is_directory(folder_, error)) {
        std::cerr << "oltoma-tool: " << folder << " is not a folder\n";
        return;
    }
    const std::string text = Windows1252FromUtf8(folder_);
    if (Utf8FromWindows1252(text) != folder_ || text.size() > TLongPathName::kMaxLength) {
        std::cerr << "oltoma-tool: the folder name " << folder_ << " cannot be used\n";
        return;
    }
    const std::string held = FileHeldOpen(folder_);
    if (!held.empty()) {
        std::cerr << "oltoma-tool: " << held << " is held open by another process\n";
        return;
    }
    DefaultGlobalSettings();
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.routeDescriptionFormat = 1;
    settings.dataDirectories[kOltomaApplicationKind] = text;
    settings.currentNumbers[kOltomaApplicationKind] = competition;
    started_ = ol::OlStartup({});
    if (!started_) {
        std::cerr << "oltoma-tool: the storage engine could not start\n";
        return;
    }
    ready_ = true;
}

MaintenanceSession::~MaintenanceSession() {
    if (started_) {
        ol::CloseCommonFiles();  // writes the competition record and club table back
        ol::OlShutdown();
    }
}

bool MaintenanceSession::QuestionDeclined() const {
    return bindings_->boxes.Declined();
}

}  // namespace oltoma::tool
