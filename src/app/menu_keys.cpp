#include "app/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace oltoma {

MenuBarKeys::MenuBarKeys(QMainWindow* window) : QObject(window), window_(window) {
    QApplication::instance()->installEventFilter(this);
}

bool MenuBarKeys::ForWindow(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window_ && window_->isActiveWindow() &&
           QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

bool MenuBarKeys::OpenFirstMenu() {
    QMenuBar* bar = window_->menuBar();
    for (QAction* action : bar->actions()) {
        if (action->isVisible() && action->isEnabled() && action->menu() != nullptr) {
            bar->setActiveAction(action);
            return true;
        }
    }
    return false;
}

bool MenuBarKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // A key reaches the platform window first, then each widget up
            // from the focus widget: only the widgets count.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat() || !ForWindow(watched)) {
                break;
            }
            const bool alt = key->key() == Qt::Key_Alt;
            if (event->type() == QEvent::KeyPress) {
                // The Alt key itself may come with or without its own
                // modifier.
                altAlone_ =
                    alt && (key->modifiers() & ~Qt::KeyboardModifiers(Qt::AltModifier)) == 0;
                if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
                    return OpenFirstMenu();
                }
            } else if (alt && altAlone_) {
                altAlone_ = false;
                // Taken here, so that the menu bar's own Alt handling does
                // not close the menu again.
                return OpenFirstMenu();
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::Shortcut:
        case QEvent::WindowDeactivate:
            altAlone_ = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace oltoma
