#include "platform/qt/dialog_frame.h"

#include <QWidget>

namespace oltoma::platform {

Qt::WindowFlags DialogWindowFlags(TitleBarButtons buttons) {
    // CustomizeWindowHint: only the buttons named here, none of the
    // platform's defaults.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == TitleBarButtons::Close) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}

void SetDialogWindowFlags(QWidget* window, TitleBarButtons buttons) {
    if (window == nullptr) {
        return;
    }
    const bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    window->setWindowFlags(DialogWindowFlags(buttons) |
                           (onTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
}

}  // namespace oltoma::platform
