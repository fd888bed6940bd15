// One of the main window's background pictures: it fills the client area,
// stretched, behind every other control.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace oltoma {

class BackgroundPicture : public QWidget {
    Q_OBJECT

public:
    // Picture number 1..12, named bg_mainframe<number>; hidden until chosen.
    BackgroundPicture(int number, QWidget* parent);

    int number() const { return number_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int number_;
    QPixmap drawn_;  // the picture at the widget's present size
};

// Picks one of pictures 1..11 with equal chances, from a fresh seed.
int RandomBackgroundNumber();

}  // namespace oltoma
