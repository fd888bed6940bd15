#include "platform/qt/window_handles.h"

namespace oltoma::platform {

WindowHandle HandleOf(QWidget* widget) {
    if (widget == nullptr) {
        return 0;
    }
    return static_cast<WindowHandle>(widget->window()->winId());
}

QWidget* WidgetOf(WindowHandle handle) {
    return handle == 0 ? nullptr : QWidget::find(static_cast<WId>(handle));
}

}  // namespace oltoma::platform
