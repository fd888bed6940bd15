// What the maintenance subcommands of oltoma-tool (newfiles, rebuild,
// backup, check) share: their arguments, and a session that runs the data
// layer on one data directory without a window.
//
// A session uses the default settings (route description format 1), never
// the user's configuration file. It refuses a data directory that does not
// exist or whose files another process holds open. Every message the
// command shows goes to one stream, UTF-8, one line each: boxes as
// "caption: text", status lines as they are set. The maintenance commands
// use standard output; the exchange commands (import, export) standard
// error, where every text put into MessageLine shows. A yes/no question is
// answered yes only when the command line holds --yes; otherwise no.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace oltoma::tool {

struct MaintenanceArguments {
    std::vector<std::string> positional;
    bool yes = false;             // --yes
    bool discardJournal = false;  // --discard-journal (rebuild only)
    bool unknownOption = false;   // another argument starting with "-"

    // True when there are exactly `count` positional arguments and no
    // unknown option.
    bool Takes(std::size_t count) const { return !unknownOption && positional.size() == count; }
};

// Splits --yes and unknown options from the other arguments. The repair
// option --discard-journal is taken only when `repairOptions` is set;
// otherwise it is an unknown option.
MaintenanceArguments ParseMaintenanceArguments(std::span<const std::string> arguments,
                                               bool repairOptions = false);

// The competition number 0..8 of an argument; -1 when it is not one.
int CompetitionArgument(const std::string& text);

// Where a session's messages go.
enum class SessionMessages {
    standardOutput,  // boxes and the maintenance commands' status lines
    standardError,   // boxes and every text put into MessageLine
};

class MaintenanceSession {
public:
    // Prepares the session for `folder`; check Ready() before anything else.
    MaintenanceSession(const std::string& folder, int competition, bool answerYes,
                       SessionMessages messages = SessionMessages::standardOutput);
    ~MaintenanceSession();
    MaintenanceSession(const MaintenanceSession&) = delete;
    MaintenanceSession& operator=(const MaintenanceSession&) = delete;

    // False when the folder was refused or the data layer could not start;
    // the reason has been written to standard error.
    bool Ready() const { return ready_; }

    // True when a yes/no question was answered no.
    bool QuestionDeclined() const;

    // The data directory (file system name, absolute).
    const std::string& Folder() const { return folder_; }

private:
    struct Bindings;
    std::unique_ptr<Bindings> bindings_;
    std::string folder_;
    bool ready_ = false;
    bool started_ = false;
};

}  // namespace oltoma::tool
