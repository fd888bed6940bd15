// A row (or rows) of tab buttons for settings: each shows a name, the
// active one's text is red, and a click on another one asks the owner to
// switch, which the owner may refuse.
#pragma once

#include <QWidget>

#include <vector>

class QPushButton;

namespace oltoma::forms {

class SettingTabs : public QWidget {
    Q_OBJECT

public:
    // `count` buttons laid out `perRow` to a row, each `buttonSize`.
    SettingTabs(const QString& name, int count, int perRow, QSize buttonSize, QWidget* parent);

    // The caption of a button; a name too wide for it is its tool tip too.
    void setName(int index, const QString& name);
    QString name(int index) const;
    int count() const { return static_cast<int>(buttons_.size()); }
    // The active tab (0-based); setting it emits nothing.
    int current() const { return current_; }
    void setCurrent(int index);
    QPushButton* button(int index) const { return buttons_.at(index); }

signals:
    // A click on a tab other than the active one.
    void switchRequested(int index);

private:
    std::vector<QPushButton*> buttons_;
    int current_ = 0;
};

}  // namespace oltoma::forms
