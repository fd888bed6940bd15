#include "platform/qt/up_down.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace oltoma {

UpDown::UpDown(const QString& name, QLineEdit* buddy, int minimum, int maximum, int step,
               QWidget* parent)
    : QWidget(parent),
      buddy_(buddy),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      minimum_(minimum),
      maximum_(maximum),
      step_(step),
      position_(minimum) {
    setObjectName(name);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(buddy_, &QLineEdit::editingFinished, this, [this] { TakeTypedNumber(); });
    setPosition(minimum);
}

int UpDown::position() const {
    bool number = false;
    const int typed = buddy_->text().toInt(&number);
    return number ? Limited(typed) : position_;
}

void UpDown::setPosition(int position) {
    position_ = Limited(position);
    buddy_->setText(QString::number(position_));
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::Step(int direction) {
    setPosition(position() + direction * step_);
}

void UpDown::TakeTypedNumber() {
    setPosition(position());
}

int UpDown::Limited(int value) const {
    return std::clamp(value, minimum_, maximum_);
}

}  // namespace oltoma
