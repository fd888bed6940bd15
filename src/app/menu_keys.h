// Keyboard access to a window's menu bar as on every desktop: F10, or the
// Alt key pressed and released alone, opens the first menu. Alt together
// with another key, or with a mouse click, opens nothing. Only while the
// window is the active one and no menu or modal window is open.
#pragma once

#include <QObject>

class QMainWindow;

namespace oltoma {

class MenuBarKeys final : public QObject {
    Q_OBJECT
public:
    // Watches the application's keys for `window` (and is owned by it).
    explicit MenuBarKeys(QMainWindow* window);

    // Opens the first enabled, visible menu of the bar; false when there is
    // none or the window cannot take it now.
    bool OpenFirstMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ForWindow(QObject* watched) const;

    QMainWindow* window_;
    bool altAlone_ = false;
};

}  // namespace oltoma
