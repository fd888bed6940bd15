// How the maintenance commands (backup copy, index rebuild, new files) talk
// to the user: status lines go into MessageLine (message class 0) as
// everywhere, and each one is also handed to a bound observer, so that a run
// without windows (oltoma-tool) can print every line and not only the last.
// Information boxes go through the message boxes as usual.
#pragma once

#include <string_view>

namespace oltoma::ol {

// Called with every status line a maintenance command shows (Windows-1252).
using StatusLineObserver = void (*)(std::string_view line);

// Binds the observer (nullptr: none) and returns the one bound before.
StatusLineObserver BindStatusLineObserver(StatusLineObserver observer);

// MessageLine := text (cut to 160 characters); ConfirmMessage(1); the
// observer sees the line.
void ShowStatusLine(std::string_view text);

// MessageLine := text; ConfirmMessage(201): an information box.
void ShowInformation(std::string_view text);

}  // namespace oltoma::ol
