// Parts that the base subsystem's dialogs share: the background picture, the
// hint bar at the bottom and the pale "info" colour of lists and fields.
// Geometry is given in the designed pixels; the form scales itself
// afterwards (platform::ScaleForm).
#pragma once

#include <QSize>
#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

namespace oltoma::forms {

inline constexpr int kHintBarHeight = 19;

// The form's client area becomes `client`, fixed, and the form gets a
// dialog frame with a title but no title-bar buttons.
void FixDialogFrame(QWidget* form, QSize client);

// "Image1": a picture stretched over the whole client area, behind every
// other part. It starts without a picture.
QLabel* AddBackgroundImage(QWidget* form, QSize client);

// "StatusBar1": one simple panel across the bottom of the client area; a
// message too wide for it ends in "…".
QStatusBar* AddHintBar(QWidget* form, QSize client);

// The platform's pale "info" background (the tool-tip colours) for lists,
// drive and filter boxes and edit fields.
void UseInfoBackground(QWidget* widget);

// Gives a part its hint: shown in the hint bar while the mouse is over it,
// and as its tool tip.
void SetHint(QWidget* widget, const QString& hint);

}  // namespace oltoma::forms
