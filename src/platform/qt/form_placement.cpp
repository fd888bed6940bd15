#include "platform/qt/form_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace oltoma::platform {

void CentreOnOwner(QWidget* form, QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    QRect placed(QPoint(0, 0), form->frameGeometry().size());
    placed.moveCenter(owner->window()->frameGeometry().center());
    if (const QScreen* screen = owner->window()->screen()) {
        const QRect available = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), available.left(),
                                   std::max(available.left(), available.right() - placed.width())));
        placed.moveTop(std::clamp(placed.top(), available.top(),
                                  std::max(available.top(), available.bottom() - placed.height())));
    }
    form->move(placed.topLeft());
}

}  // namespace oltoma::platform
