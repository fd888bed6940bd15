// The window frame of every dialog, message box and progress window: a
// dialog window with a title, never with a minimise or maximise button, so
// that a modal window cannot be hidden away while its owner waits for it.
// The window flags tell the window manager so (Motif hints without those
// buttons); a window manager that draws them regardless is out of reach.
#pragma once

#include <Qt>

class QWidget;

namespace oltoma::platform {

enum class TitleBarButtons {
    None,   // a title only (forms designed without title-bar buttons)
    Close,  // a close button, which acts as Escape does
};

Qt::WindowFlags DialogWindowFlags(TitleBarButtons buttons);

// Gives the window the dialog flags above; a stay-on-top flag it has is
// kept. Call before the window is shown.
void SetDialogWindowFlags(QWidget* window, TitleBarButtons buttons);

}  // namespace oltoma::platform
