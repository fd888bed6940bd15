// An up-down control bound to a digits-only edit field: its arrows step the
// position within minimum..maximum and write it into the field; a number
// typed into the field becomes the position (limited to the range) when the
// field loses focus or Enter is pressed, and the field then shows it.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace oltoma {

class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(const QString& name, QLineEdit* buddy, int minimum, int maximum, int step,
           QWidget* parent);

    // The position; a number typed into the field and not yet taken counts
    // too, limited to the range.
    int position() const;
    void setPosition(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int direction);
    void TakeTypedNumber();
    int Limited(int value) const;

    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int step_;
    int position_;
};

}  // namespace oltoma
