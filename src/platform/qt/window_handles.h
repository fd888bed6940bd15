// Window handles of the platform interfaces for Qt widgets. A handle is the
// native id of the widget's window; a handle whose window is gone finds no
// widget, so a stale owner never reaches a destroyed widget.
#pragma once

#include <QWidget>

#include "platform/services.h"

namespace oltoma::platform {

// The handle of the widget's window (0 for none).
WindowHandle HandleOf(QWidget* widget);

// The widget of a handle; nullptr for 0 or a window that no longer exists.
QWidget* WidgetOf(WindowHandle handle);

}  // namespace oltoma::platform
