#include "app/background_picture.h"

#include <QPainter>
#include <QRandomGenerator>

#include "app/generated_pictures.h"

namespace oltoma {

BackgroundPicture::BackgroundPicture(int number, QWidget* parent)
    : QWidget(parent), number_(number) {
    setObjectName(QStringLiteral("bg_mainframe%1").arg(number));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BackgroundPicture::paintEvent(QPaintEvent*) {
    if (drawn_.size() != size()) {
        drawn_ = DrawBackgroundPicture(number_, size());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

int RandomBackgroundNumber() {
    // The twelfth picture is never chosen.
    return 1 + static_cast<int>(QRandomGenerator::system()->bounded(kBackgroundPictures - 1));
}

}  // namespace oltoma
