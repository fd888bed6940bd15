#include "app/esplashform.h"

#include <qdrawutil.h>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/generated_pictures.h"
#include "base/settings/program_version.h"
#include "platform/qt/form_fonts.h"

namespace oltoma {
namespace {

const QColor kSplashColour(240, 251, 255);
constexpr int kBorder = 2;

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
