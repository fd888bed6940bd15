// The interfaces through which the core reaches the user and the desktop.
// The program binds them to Qt (platform/qt), tests bind scripted doubles
// (tests/support), and oltoma-tool binds console versions. Until something
// is bound, a quiet default stands in: no box is shown (result None), no
// sound, no cursor change, the number dialog returns its initial value,
// nothing is started or opened.
//
// All texts are Windows-1252; implementations convert at their boundary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace oltoma::platform {

// An opaque window handle (0 = none), used as the owner of message boxes.
using WindowHandle = std::uintptr_t;

enum class MessageButtons { Ok, YesNo, AbortRetryIgnore };
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

// Mouse cursors, identified by small numbers the implementation chooses.
class Cursors {
public:
    virtual ~Cursors() = default;
    virtual int Current() = 0;
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
    // Starts a program found by name on the PATH (or a desktop fallback the
    // implementation documents). Returns 33 on success; on failure 0 (out of
    // resources), 2 (file not found), 3 (path not found) or 11 (not an
    // executable program).
    virtual int Start(std::string_view program) = 0;
};

struct Services {
    MessageBoxes* messageBoxes = nullptr;
    Sound* sound = nullptr;
    Cursors* cursors = nullptr;
    NumberPrompt* numberPrompt = nullptr;
    Shell* shell = nullptr;
    ProgramLauncher* programLauncher = nullptr;
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

}  // namespace oltoma::platform
