// TAboutBox, the about box of the program's name, version and the memory
// status. Layout at 100 percent (client area 294 x 212, dialog frame
// without title-bar buttons, centred on its owner, scaled by the window
// scale):
//
//   Panel1 (8, 8) 281 x 169, raised inner and lowered outer bevel:
//     ProgramIcon (8, 8) 33 x 33   the application's icon, stretched
//     ProductName (88, 8)          the program's name
//     Version     (88, 24)         "ver " + the version (" 10.00")
//     MakerLine   (8, 56)          the maker line + the version date
//     Comments    (8, 88) 193 x 73 the memory status, word-wrapped
//     LogoIcon    (208, 88) 65 x 65
//   OKButton  "OK" (111, 180) 75 x 25, default: closes the box
//   licenser  (203, 180) 83 x 25: the licence window
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace oltoma {

class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* MakerLine = nullptr;
    QLabel* Comments = nullptr;
    QLabel* LogoIcon = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* licenser = nullptr;

    // The texts, set as the box shows: caption, name, icon, version, maker
    // line and the memory status of that moment.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace oltoma
