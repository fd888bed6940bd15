// Acting on a modal dialog from a test: the test schedules the action,
// then runs the command that shows the dialog.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace oltoma::testing {

// Runs `act` on the modal dialog of type Dialog as soon as one shows; a
// dialog of another type fails the test and is closed, and so is the
// dialog when `act` leaves it open.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
            QFAIL("the expected dialog did not show");
        }
        act(dialog);
        // A failed check in `act` returns early: close the dialog, so that
        // the test goes on to its end instead of waiting.
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

}  // namespace oltoma::testing
