// TSplashScreen, the window shown while the main window is built: borderless,
// on top of all windows, centred on the screen, 424 x 350 pixels with a
// 2-pixel border, showing a map picture (Image1) at the left and the
// program's flag (Image2) and name (Image9) to the right. A click anywhere
// on it closes it.
#pragma once

#include <QWidget>

namespace oltoma {

class TSplashScreen : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 424;
    static constexpr int kClientHeight = 350;

    TSplashScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace oltoma
