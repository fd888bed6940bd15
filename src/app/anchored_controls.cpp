#include "app/anchored_controls.h"

#include <QEvent>

namespace oltoma {

AnchoredControls::AnchoredControls(QWidget* client) : QObject(client), client_(client) {
    client_->installEventFilter(this);
}

void AnchoredControls::Reset(QSize designSize) {
    designSize_ = designSize;
    entries_.clear();
}

void AnchoredControls::Place(QWidget* control, const Placement& placement) {
    const QSize hint = control->sizeHint();
    const QRect design(placement.left, placement.top,
                       placement.width > 0 ? placement.width : hint.width(),
                       placement.height > 0 ? placement.height : hint.height());
    entries_.push_back({control, design, placement.anchors});
    PlaceOne(entries_.back(), client_->size());
}

void AnchoredControls::Reposition() {
    for (const Entry& entry : entries_) {
        PlaceOne(entry, client_->size());
    }
}

bool AnchoredControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Reposition();
    }
    return QObject::eventFilter(watched, event);
}

void AnchoredControls::PlaceOne(const Entry& entry, QSize client) const {
    if (entry.control == nullptr) {
        return;
    }
    const int grownWidth = client.width() - designSize_.width();
    const int grownHeight = client.height() - designSize_.height();
    QRect rect = entry.design;
    const bool left = (entry.anchors & kAnchorLeft) != 0;
    const bool right = (entry.anchors & kAnchorRight) != 0;
    const bool top = (entry.anchors & kAnchorTop) != 0;
    const bool bottom = (entry.anchors & kAnchorBottom) != 0;
    if (left && right) {
        rect.setWidth(rect.width() + grownWidth);
    } else if (right) {
        rect.moveLeft(rect.left() + grownWidth);
    }
    if (top && bottom) {
        rect.setHeight(rect.height() + grownHeight);
    } else if (bottom) {
        rect.moveTop(rect.top() + grownHeight);
    }
    entry.control->setGeometry(rect);
}

}  // namespace oltoma
