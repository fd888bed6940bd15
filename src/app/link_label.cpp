#include "app/link_label.h"

#include <QMouseEvent>

namespace oltoma {

LinkLabel::LinkLabel(const QString& name, const QString& caption, const QString& hint,
                     QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(name);
    setToolTip(hint);
    setStatusTip(hint);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setColor(Qt::darkBlue);  // navy
}

QColor LinkLabel::color() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace oltoma
