// Small services that reach the desktop through the platform layer: the
// short beep, the mouse-cursor stack, the number dialog and the folder
// check.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/services.h"

namespace oltoma {

inline constexpr int kCursorStackSize = 33;
inline constexpr std::size_t kMaxNumberPromptLength = 79;

// A tone of 440 Hz for 100 ms.
void ShortBeep();

// Saves the current mouse cursor while fewer than 33 are saved; the caller
// then sets the cursor it wants.
void PushCursor();

// Restores the cursor saved last, if any.
void PopCursor();

// The number of saved cursors (0 = none).
int CursorDepth();

// The one-line number dialog: the number entered, or initial when the user
// escapes. prompt (at most 79 characters) replaces "Ange ett tal:" when it
// is not empty.
int AskNumber(platform::WindowHandle owner, int initial, std::string_view prompt);

// Whether path (Windows-1252, as the system keeps paths) names an existing
// folder.
bool DirectoryPresent(std::string_view path);

}  // namespace oltoma
