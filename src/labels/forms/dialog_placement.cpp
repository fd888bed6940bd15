#include "labels/forms/dialog_placement.h"

#include <QWidget>

namespace oltoma::labels::forms {

void CentreOnOwner(QWidget* form, QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    QRect placed(QPoint(0, 0), form->size());
    placed.moveCenter(owner->window()->frameGeometry().center());
    form->move(placed.topLeft());
}

}  // namespace oltoma::labels::forms
