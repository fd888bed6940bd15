// TAboutBoxX (caption "t  o  m  a"), the about box of pictures, the maker's
// program families and contact links. Client area 659 x 349 with a border
// two pixels wide, a dialog frame without title-bar buttons, centred on its
// owner, not scaled:
//
//   Image1        (8, 8) 217 x 329     a map picture, centred, proportional
//   RadioGroup1   (240, 8) 409 x 153   "toma mjukvara": six program
//                                      families, the first selected
//   GroupBox1     (240, 168) 224 x 130 the maker's name, with the link
//                                      labels Label1 (mail), Label2 (web),
//                                      Label3 (web), Label4 (mail) and
//                                      "licenser" (the licence window)
//   Image2        (512, 176) 73 x 73   the control flag
//   Image9        (488, 256) 161 x 81  the program's name, centred,
//                                      proportional
//   Image3..8     32 x 32 at top 304, left 240, 280, ... 440
//
// A click on the box's own surface closes it. A link label under the mouse
// shows the hand cursor and turns RGB(128, 0, 0); the cursor and colour
// come back when the mouse leaves it. A link that the desktop cannot open
// beeps.
#pragma once

#include <QColor>
#include <QDialog>

#include <array>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace oltoma {

class LinkLabel;

class TAboutBoxX final : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBoxX(QWidget* owner);

    std::array<QLabel*, 9> Image{};  // Image1..Image9 at index 0..8
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* families = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    LinkLabel* Label1 = nullptr;
    LinkLabel* Label2 = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* Label4 = nullptr;
    LinkLabel* licenser = nullptr;

    // What a click on a mail label opens: "mailto:" + both mail addresses
    // + "?subject=program: " + the program's name, at most 90 characters.
    static std::string MailAddress();
    void MailClick();
    void WebClick(LinkLabel* label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    LinkLabel* MakeLink(const char* name, const QString& caption, const QString& hint, int top);
    void Highlight(LinkLabel* label);
    void Unhighlight(LinkLabel* label);
    void Open(const std::string& address);

    int saveCursor = 0;
    QColor saveColor;
};

}  // namespace oltoma
