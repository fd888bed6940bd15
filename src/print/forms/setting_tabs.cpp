#include "print/forms/setting_tabs.h"

#include <QPalette>
#include <QPushButton>

namespace oltoma::forms {
namespace {

const QColor kActiveText(Qt::red);

}  // namespace

SettingTabs::SettingTabs(const QString& name, int count, int perRow, QSize buttonSize,
                         QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    const int rows = (count + perRow - 1) / perRow;
    setFixedSize(perRow * buttonSize.width(), rows * buttonSize.height());
    for (int i = 0; i < count; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString("%1Tab%2").arg(name).arg(i + 1));
        button->setGeometry(
            QRect(QPoint((i % perRow) * buttonSize.width(), (i / perRow) * buttonSize.height()),
                  buttonSize));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, i] {
            buttons_[current_]->setChecked(true);
            if (i != current_) {
                buttons_[i]->setChecked(false);
                emit switchRequested(i);
            }
        });
        buttons_.push_back(button);
    }
    setCurrent(0);
}

void SettingTabs::setName(int index, const QString& name) {
    QPushButton* button = buttons_.at(index);
    QString shown = name;
    button->setText(shown.replace('&', "&&"));
    // A name wider than its button is cut on both sides: the whole name
    // shows as the button's tool tip.
    const bool cut = button->sizeHint().width() > button->width();
    button->setToolTip(cut ? name : QString());
}

QString SettingTabs::name(int index) const {
    return buttons_.at(index)->text().replace("&&", "&");
}

void SettingTabs::setCurrent(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    current_ = index;
    for (int i = 0; i < count(); ++i) {
        QPushButton* button = buttons_[i];
        button->setChecked(i == index);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText,
                         i == index ? kActiveText : QPalette().buttonText().color());
        button->setPalette(palette);
    }
}

}  // namespace oltoma::forms
