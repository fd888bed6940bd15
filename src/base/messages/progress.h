// The progress window: a small window that shows up to eight lines of
// progress text while a long command runs on the user-interface thread, and
// optionally an "avbryt" button whose click sets abort flags the command
// polls. Progress windows nest up to four deep; deeper opens only count, so
// every OpenProgress is still paired with one CloseProgress.
//
// This file keeps the stack, the abort flags and the mouse cursor; the
// windows themselves come from a ProgressWindows implementation (the
// program binds the Qt one, tests a scripted double). Until one is bound, a
// quiet default stands in whose windows show nothing.
//
// All texts are Windows-1252.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace oltoma {

inline constexpr int kMaxProgressDepth = 4;
inline constexpr int kProgressStatusLines = 8;

// One open progress window.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // Shows text in status line 1..8.
    virtual void SetStatusLine(int line, std::string_view text) = 0;
    // Processes pending window events, so the window repaints and a click on
    // "avbryt" reaches the window's cancel callback.
    virtual void ProcessPendingEvents() = 0;
};

// What a new window shows.
struct ProgressWindowOptions {
    platform::WindowHandle owner = 0;
    int level = 1;         // 1 = outermost; the outermost disables its owner
    int visibleLines = 1;  // 0..8 status lines shown
    std::string caption;
    bool withCancel = false;       // show "avbryt"
    std::function<void()> cancel;  // to be called when "avbryt" is clicked
};

class ProgressWindows {
public:
    virtual ~ProgressWindows() = default;
    // Creates and shows a window; nullptr when it cannot be created.
    virtual std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions& options) = 0;
};

// Binds the window factory (nullptr: the quiet default) and returns the one
// bound before.
ProgressWindows* BindProgressWindows(ProgressWindows* windows);

// Increments the depth; at depth 1..4 creates a window at that level with
// min(lines - 2, 8) visible status lines (at least 0). Creating a window
// clears both abort flags; the outermost one saves the mouse cursor, and a
// window without "avbryt" shows the hourglass. When no window can be
// created, MessageLine gets "Kan ej skapa dialog".
void OpenProgress(platform::WindowHandle owner, int lines, std::string_view caption,
                  bool withCancel);

// Unless the shared abort flag is set, puts text (converted from the OEM
// code page when it holds an OEM letter) into status line
// ((line - 2) mod 8) + 1 of the window of the current level, if any; line
// numbers below 2 go to status line 1. Then lets the window process its
// pending events.
void ProgressLine(int line, std::string_view text);

// Frees the window of the current level, if any, and decrements the depth.
// Freeing the outermost window restores the saved mouse cursor. Does nothing
// at depth 0.
void CloseProgress();

// True when the abort flag of the innermost open window or the shared abort
// flag is set.
bool AbortedCounter();

// The shared abort flag: set by "avbryt" of any window, cleared when a
// window is created.
bool ProgressAborted();

// The number of OpenProgress calls not yet closed.
int ProgressDepth();

}  // namespace oltoma
