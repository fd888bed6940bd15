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
// "notepad.exe" instead. A result of 32 or more is success. Texts by result,
// Swedish, from the message table where it has one:
//   0   Otillräckligt minne
//   2   Hittar ej filen                  (only for notepad.exe)
//   3   Filvägen ej funnen               (only for notepad.exe)
//   11  Ogiltig programfil
//   n   okänt fel nummer nnn
EditorStartOutcome StartTextEditor(platform::ProgramLauncher& launcher);

}  // namespace oltoma
