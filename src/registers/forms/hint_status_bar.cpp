#include "registers/forms/hint_status_bar.h"

#include <QStatusBar>
#include <QStatusTipEvent>

namespace oltoma::registers {

void HintStatusBar::ShowMessage(const QString& text) {
    message_ = text;
    if (bar_ != nullptr) {
        bar_->showMessage(text);
    }
}

bool HintStatusBar::HandleEvent(QEvent* event) {
    if (bar_ == nullptr || event->type() != QEvent::StatusTip) {
        return false;
    }
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    bar_->showMessage(tip.isEmpty() ? message_ : tip);
    return true;
}

}  // namespace oltoma::registers
