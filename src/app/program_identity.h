// How the desktop recognises the program's windows: the desktop id (the
// name of the installed desktop entry, which Wayland compositors match the
// windows against) and the program's icon, which the main window and every
// dialog carry.
#pragma once

#include <QIcon>

namespace oltoma {

// "org.example.oltoma", the desktop entry's name without ".desktop".
const char* DesktopId();

// The control flag at 16, 32, 48, 64, 128 and 256 pixels, compiled into the
// program.
QIcon ProgramIcon();

// Gives the application the desktop id and the icon; call once, right
// after the QApplication is made and before any window is shown.
void SetProgramIdentity();

}  // namespace oltoma
