// The status bar of a register, pick or edit dialog: it shows the dialog's
// messages and, while the mouse is over a part with a hint, that hint;
// when the hint goes the last message comes back.
#pragma once

#include <QString>

class QEvent;
class QStatusBar;

namespace oltoma::registers {

class HintStatusBar {
public:
    // The bar the messages and hints go to; nothing shows before.
    void Attach(QStatusBar* bar) { bar_ = bar; }

    // Shows a message (replacing any hint shown).
    void ShowMessage(const QString& text);
    // The message shown last.
    const QString& Message() const { return message_; }

    // Handles the form's status-tip events; call from the form's event().
    // True when the event was one.
    bool HandleEvent(QEvent* event);

private:
    QStatusBar* bar_ = nullptr;
    QString message_;
};

}  // namespace oltoma::registers
