// Starting the text editor of the "editor" button: "edittoma.exe", or the
// desktop's text editor ("notepad.exe") when that program is missing.
#pragma once

#include <string>

#include "platform/services.h"

namespace oltoma {

struct EditorStartOutcome {
    bool started = false;
    // On failure: "winexecfel: " + the text of the result code + "\"notepad\"",
    // the text the bottom status bar shows. Windows-1252.
    std::string failureText;
};

// Starts "edittoma.exe"; when it is not found (result 2 or 3) starts
// "notepad.exe" instead. A result of 32 or more is success. Texts by result:
//   0   The system is out of memory or resources.
//   2   The specified file was not found.          (only for notepad.exe)
//   3   The specified path was not found.          (only for notepad.exe)
//   11  The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).
//   n   okänt fel nummer nnn
EditorStartOutcome StartTextEditor(platform::ProgramLauncher& launcher);

}  // namespace oltoma
