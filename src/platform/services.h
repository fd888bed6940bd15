// The interfaces through which the core reaches the user and the desktop.
// The program binds them to Qt (platform/qt), tests bind scripted doubles
// (tests/support), and oltoma-tool binds console versions. Until something
// is bound, a quiet default stands in: no box is shown (result None), no
// sound, no cursor change, the number dialog returns its initial value,
// nothing is started or opened, no printer is installed and every file
// dialog is cancelled.
//
// All texts are Windows-1252; implementations convert at their boundary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace oltoma::platform {

// An opaque window handle (0 = none), used as the owner of message boxes.
using WindowHandle = std::uintptr_t;

// YesNoDefaultNo asks before something is destroyed: No is the default
// button, so one Enter keeps the data. Every other box has its first button
// as the default; Escape answers No, Abort or Ok.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo, AbortRetryIgnore };
enum class MessageIcon { None, Exclamation, Question, Error };
// Values as the system's dialogs number their answers; None = no box shown.
enum class MessageResult {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box kept on top of all windows, owned by `owner`, and
    // returns the button pressed, or None when no box could be shown.
    virtual MessageResult Show(WindowHandle owner, std::string_view caption, std::string_view text,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void Beep(int frequencyHz, int durationMs) = 0;
    // The desktop's default warning sound.
    virtual void WarningSound() = 0;
};

// Mouse cursors of the whole application, identified by number: 0 is the
// ordinary cursor of each window, the negative numbers below are the
// desktop's shapes, and positive numbers are cursors the program registers
// with the implementation (the main window registers its own as 7).
namespace CursorShape {
inline constexpr int kDefault = 0;
inline constexpr int kArrow = -1;
inline constexpr int kWait = -2;
inline constexpr int kBusy = -3;  // arrow with a busy sign
inline constexpr int kHand = -4;
inline constexpr int kIBeam = -5;
inline constexpr int kCross = -6;
}  // namespace CursorShape

class Cursors {
public:
    virtual ~Cursors() = default;
    // The cursor the application shows now (kDefault when none is forced).
    virtual int Current() = 0;
    // Shows the cursor over every window; kDefault gives each window its
    // own cursor back.
    virtual void Set(int cursor) = 0;
};

class NumberPrompt {
public:
    virtual ~NumberPrompt() = default;
    // The one-line number dialog: returns the number entered, or `initial`
    // when the user escapes.
    virtual int AskNumber(WindowHandle owner, int initial, std::string_view prompt) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address, a "mailto:" address or a document with the
    // desktop's handler. Returns a result above 32 on success, as the
    // system's callers expect, and 2 (not found) or 31 on failure.
    virtual int Open(std::string_view address) = 0;
};

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a program by name without waiting for it (see
    // NativeProgramLauncher for how names are found). Returns 33 on success;
    // on failure 0 (out of resources), 2 (file not found), 3 (path not
    // found), 11 (not an executable program) or another system error number
    // (5: access denied).
    virtual int Start(std::string_view program) = 0;
};

// The open and save dialogs of the exchange files. Texts and paths are
// Windows-1252; the filter is pairs of a description and its masks, all
// separated by "|" ("import/export|*.txt;*.ol").
struct FileDialogRequest {
    enum class Kind { open, save };
    Kind kind = Kind::open;
    std::string title;
    std::string folder;    // the folder the dialog starts in
    std::string fileName;  // the name it proposes
    std::string filter;
    std::string defaultExtension;  // added to a name typed without one
    bool mustExist = false;        // only an existing file can be chosen
};

struct FileDialogAnswer {
    bool chosen = false;  // false: the user cancelled
    std::string path;     // the file chosen, with its folder
    std::string filter;   // the filter entry chosen: "description|masks"
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Shows the dialog modally. The save dialog asks before it lets the user
    // choose an existing file; neither changes the current directory.
    virtual FileDialogAnswer Ask(WindowHandle owner, const FileDialogRequest& request) = 0;
};

class PrinterCatalog;  // platform/printer_catalog.h

struct Services {
    MessageBoxes* messageBoxes = nullptr;
    Sound* sound = nullptr;
    Cursors* cursors = nullptr;
    NumberPrompt* numberPrompt = nullptr;
    Shell* shell = nullptr;
    ProgramLauncher* programLauncher = nullptr;
    PrinterCatalog* printerCatalog = nullptr;
    FileDialogs* fileDialogs = nullptr;
};

// Binds the given services; null members fall back to the quiet defaults.
// Returns the services bound before, so a test can restore them.
Services BindServices(const Services& services);

// The bound services; never null.
MessageBoxes& CurrentMessageBoxes();
Sound& CurrentSound();
Cursors& CurrentCursors();
NumberPrompt& CurrentNumberPrompt();
Shell& CurrentShell();
ProgramLauncher& CurrentProgramLauncher();
PrinterCatalog& CurrentPrinterCatalog();
FileDialogs& CurrentFileDialogs();

}  // namespace oltoma::platform
