#include "app/esplashform.h"

#include <qdrawutil.h>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/generated_pictures.h"
#include "app/program_version.h"
#include "platform/qt/form_fonts.h"

namespace oltoma {
namespace {

const QColor kSplashColour(240, 251, 255);
constexpr int kBorder = 2;

// Image2: the control flag of orienteering.
QPixmap FlagPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(size.width(), size.height()) - 8;
    const QRectF square((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(square);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MapColour::kFlagOrange);
    painter.drawPolygon(QPolygonF({square.topRight(), square.bottomRight(), square.bottomLeft()}));
    return picture;
}

// Image1: a map fragment on paper.
QPixmap MapPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(QColor(255, 255, 248));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, DrawBackgroundPicture(3, size));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

// Image9: the program's name in large letters, with its version.
QPixmap NamePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(20, 60, 120));
    painter.setFont(SansSerifFont(34, true));
    painter.drawText(QRect(0, 0, size.width(), size.height() * 2 / 3), Qt::AlignCenter, "t o m a");
    painter.setFont(SansSerifFont(12));
    painter.drawText(QRect(0, size.height() * 2 / 3, size.width(), size.height() / 3),
                     Qt::AlignCenter, QString("oltoma%1%2").arg(kVersionNumber, kVersionDate));
    return picture;
}

QLabel* MakePicture(const char* name, const QRect& place, const QPixmap& picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(picture.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

TSplashScreen::TSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("TSplashScreen");
    setWindowTitle("t  o  m  a");
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QSize size(kClientWidth + 2 * kBorder, kClientHeight + 2 * kBorder);
    setFixedSize(size);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kSplashColour);
    setPalette(colours);
    setAutoFillBackground(true);

    const QPoint client(kBorder, kBorder);
    MakePicture("Image1", QRect(client + QPoint(8, 8), QSize(217, 329)),
                MapPicture(QSize(217, 329)), this);
    MakePicture("Image2", QRect(client + QPoint(264, 24), QSize(128, 128)),
                FlagPicture(QSize(256, 256)), this);
    MakePicture("Image9", QRect(client + QPoint(240, 200), QSize(176, 100)),
                NamePicture(QSize(176, 100)), this);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void TSplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, kBorder);
}

void TSplashScreen::mousePressEvent(QMouseEvent*) {
    close();
}

}  // namespace oltoma
